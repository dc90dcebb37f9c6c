#pragma once
// The lines of the register lists of the setup window (templates List1,
// partners List4, fixed assets List5, leases List6, bank accounts List7), each
// built from the row its recordset stands on, with the key that names the
// record of the line.

#include "setup/ShownRecords.h"

#include <string>

namespace setup {

struct ListLine {
    std::string text;
    std::string key;  // the record's identity: 仕訳ID and 追番, 取引先名, 管理番号, 契約番号, no
};

// A text fitted to `width` characters: padded on the right, or its first
// `width` characters.
std::string LeftInChars(const std::string& text, int width);
// A text right-aligned in `width` characters, or its first `width` characters.
std::string RightInChars(const std::string& text, int width);

// The key each register gives a record (see ShownRecords.h): 取引先名; no,
// 銀行コード, 支店コード and 種別; 管理番号; 契約番号; 仕訳ID and 追番.
std::string PartnerKey(const dao::Recordset& partners);
std::string BankAccountKey(const dao::Recordset& accounts);
std::string FixedAssetKey(const dao::Recordset& assets);
std::string LeaseKey(const dao::Recordset& leases);
std::string TemplateKey(const dao::Recordset& templates);
// The 仕訳ID part of a template line's key.
std::string TemplateIdOfKey(const std::string& key);

// The fields each register compares (ShownRecords.h): those its line and its
// boxes show and those its "更新" writes. A partner's and a fixed asset's are
// all of them; a bank account's leave out 現残高 (the bank books store it), a
// lease's 購入日 (which only "登録" writes) and the printout's columns derived
// from it. Templates are compared whole: their writes replace whole rows.
const ComparedFields& PartnerComparedFields();
const ComparedFields& BankAccountComparedFields();
const ComparedFields& FixedAssetComparedFields();
const ComparedFields& LeaseComparedFields();

ListLine PartnerListLine(dao::Recordset& partners);
ListLine BankAccountListLine(dao::Recordset& accounts);
ListLine LeaseListLine(dao::Recordset& leases);

// The template list shows a template's accounts, partner and bank only where
// they change from the line above; it remembers what it showed last.
class TemplateListLines {
public:
    ListLine next(dao::Recordset& templates);

private:
    std::string m_debitCode, m_creditCode, m_branchCode, m_partner;
    std::string m_bankField, m_branchField;
};

}  // namespace setup
