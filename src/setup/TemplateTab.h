#pragma once
// The tab "定型仕訳入力" of the setup window: the template grid with its
// account and amount cells and automatic tax rows, the template list, loading
// a template into the grid, and the buttons that register, update and delete
// templates and correct the first row's amounts.

#include "journal/EntryGrid.h"
#include "setup/SetupTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace setup {

class TemplateTab : public SetupTab {
    Q_OBJECT
public:
    // The buttons Command1 of this tab, by caption (6 is the print tab's).
    enum Command1Button : std::size_t {
        ClearInput = 0,
        Register = 1,
        Update = 2,
        Delete = 3,
        CorrectAmounts = 7,  // 金額補正
    };

    TemplateTab(SetupRecordsets& file, frame::CellExitGuard& cellExits);
    ~TemplateTab() override;

    journal::EntryGrid& grid() { return *m_grid; }
    QListWidget* List1 = nullptr;            // templates
    QComboBox* Combo4 = nullptr;             // 表示優先順位
    QCheckBox* Check3 = nullptr;             // 決算整理仕訳
    std::array<QRadioButton*, 3> Option8{};  // 振替伝票, 入金伝票, 出金伝票
    std::array<QPushButton*, 8> Command1{};

    // The choice lists of the grid's cells and of the display order.
    void FillChoices();
    // The grid's bank and branch lists read again, what the cells show kept.
    void RefillBankLists();

    void ClearEntry();
    void FillAccountCombos();
    void ShowTemplateList();
    // The templates' recordset opened again and listed.
    void refreshTemplates();
    // The list emptied, after the templates were deleted.
    void clearTemplateList();
    void LoadTemplateAmounts();

    // Kinds 2 and 3 an account of the chart, 4 a bank of the company's bank
    // accounts; "" when the name is empty or not found. A branch is found by its
    // bank with FindBranchCode.
    std::string FindCode(int kind, const std::string& name);
    std::string FindBranchCode(const std::string& bankCode, const std::string& branchName);
    // The name of an account in use; "" after a beep and a message when there is none.
    std::string AccountNameOf(const std::string& code);
    bool ValidateEntry();  // true when a check failed (and said so)
    // Puts the template recordset on the first row of the chosen line's template;
    // false when there is none, or after a message (and the list read again)
    // when the template changed or vanished since it was listed.
    bool LocateTemplate();
    void RecalcTotals();

    // The grid's tax lookups (the journal's routines).
    int TaxRateOn(const dao::Date& d, bool taxable, bool simplified);

    void Command1_Click(Command1Button button);
    void List1_Click();
    void Combo1_LostFocus(int index);
    void Combo7_LostFocus(int index);
    void Text8_LostFocus(int index);
    void Text9_LostFocus(int index);

    void setInputsUsable(bool usable) override;

signals:
    // A chosen template was loaded into the grid.
    void templateLoaded();

protected:
    void controlLeft(QObject* control) override;
    bool textSelectsOnEntry(const QLineEdit* text) const override;
    bool comboSelectsOnEntry(const QComboBox* combo) const override;

private:
    void registerTemplate();
    void updateTemplate();
    void deleteTemplate();
    // The chosen line of the template list when one is chosen, the grid passes
    // its checks and the line's template is as it was shown; -1 otherwise,
    // after saying why.
    int templateLineToChange();
    void correctTemplateAmounts();
    void accountCellLeft(int row, bool debitSide);
    void amountCellLeft(int row, bool debitSide);
    std::vector<std::string> shownTemplateRows(const std::string& id) const;

    std::unique_ptr<journal::EntryGrid> m_grid;
};

}  // namespace setup
