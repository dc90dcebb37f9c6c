#include "journal/TemplateRows.h"

#include "common/FitByteWidth.h"
#include "journal/JournalListLine.h"
#include "platform/dao/Recordset.h"

namespace journal {

TemplateRecord ReadTemplateRecord(dao::Recordset& templates)
{
    TemplateRecord row;
    row.id = templates.get("仕訳ID").toText();
    const dao::Value number = templates.get("追番");
    row.rowNumber = number.isNumeric() ? static_cast<int>(number.toInt64()) : 0;
    row.closingEntry = templates.get("決算仕訳").toBool();
    row.description = templates.get("摘要").toText();
    row.partner = templates.get("取引先").toText();
    row.debitCode = templates.get("借方コード").toText();
    row.debitName = templates.get("勘定科目名").toText();
    row.debit = ListAmount(templates.get("入金"));
    row.creditCode = templates.get("貸方コード").toText();
    row.creditName = templates.get("勘定科目名2").toText();
    row.credit = ListAmount(templates.get("出金"));
    row.bankCode = templates.get("銀行コード").toText();
    row.branchCode = templates.get("支店コード").toText();
    row.bankName = templates.get("銀行名").toText();
    row.branchName = templates.get("支店名").toText();
    return row;
}

std::string TemplateListLines::next(const TemplateRecord& row)
{
    if (row.rowNumber == 1) {
        m_lastDebitCode.clear();
        m_lastCreditCode.clear();
        if (!row.branchCode.empty())
            m_lastBranchCode.clear();
    }
    const std::string blanks16(16, ' '), blanks20(20, ' '), blanks15(15, ' ');

    std::string partner = blanks16;
    if (!row.partner.empty()) {
        if (row.partner != m_lastPartner)
            partner = o::FitByteWidth(row.partner, 16);
        m_lastPartner = row.partner;
    }

    std::string debitName = blanks20;
    if (row.debitCode != m_lastDebitCode) {
        if (!row.debitName.empty())
            debitName = o::FitByteWidth(row.debitName, 20);
        m_lastDebitCode = row.debitCode;
    }
    std::string creditName = blanks20;
    if (row.creditCode != m_lastCreditCode) {
        if (!row.creditName.empty())
            creditName = o::FitByteWidth(row.creditName, 20);
        m_lastCreditCode = row.creditCode;
    }

    // A new branch shows its bank and branch; a name the masters do not give
    // shows as blanks.
    std::string bank = blanks15, branch = blanks15;
    if (!row.branchCode.empty() && row.branchCode != m_lastBranchCode) {
        bank = o::FitByteWidth(row.bankName, 15);
        branch = o::FitByteWidth(row.branchName, 15);
        if (!row.branchName.empty())
            m_lastBranchCode = row.branchCode;
    }

    const std::string bankColumns = bank + " " + branch;
    std::string line;
    AppendListColumns(line, {row.closingEntry, row.rowNumber, row.description, partner, debitName, row.debit,
                             creditName, row.credit, bankColumns});
    return line;
}

std::vector<std::string> TemplateListTexts(dao::Recordset& templates)
{
    std::vector<std::string> lines;
    if (templates.isEmpty())
        return lines;
    TemplateListLines builder;
    for (templates.MoveFirst(); !templates.EOF_(); templates.MoveNext())
        lines.push_back(builder.next(ReadTemplateRecord(templates)));
    templates.MoveFirst();
    return lines;
}

}  // namespace journal
