#include "setup/PartnerTab.h"
#include "periodfile/SchemaNames.h"

#include "common/EditMode.h"
#include "frame/RecordList.h"
#include "frame/WorkWindow.h"
#include "platform/ui/Dialogs.h"
#include "setup/PartnerRegister.h"
#include "setup/RegisterLists.h"
#include "setup/SetupControls.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace setup {

using frame::fromQ;
using frame::toQ;
using namespace controls;

PartnerTab::PartnerTab(SetupRecordsets& file, frame::CellExitGuard& cellExits) : SetupTab(file, cellExits)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    static const char* const textCaptions[6] = {"取引先", "取引内容", "住所", "代表者名", "電話番号", "メールアドレス"};
    for (int i = 0; i < 6; ++i) {
        Text10[i] = textBox(indexed("Text10", i));
        watchFocus(Text10[i]);
        fields->addWidget(label(textCaptions[i]), i % 3, (i / 3) * 2);
        fields->addWidget(Text10[i], i % 3, (i / 3) * 2 + 1);
    }
    static const char* const comboCaptions[4] = {"", "締日", "締後支払日", "ランク"};
    for (int i = 0; i < 4; ++i) {
        Combo10[i] = comboBox(indexed("Combo10", i));
        if (i == 0) {
            Combo10[i]->setParent(this);  // the array's first element has no place on the tab
            Combo10[i]->setVisible(false);
            continue;
        }
        fields->addWidget(label(comboCaptions[i]), i - 1, 4);
        fields->addWidget(Combo10[i], i - 1, 5);
    }
    fields->setColumnStretch(1, 2);
    fields->setColumnStretch(3, 2);
    fields->setColumnStretch(5, 1);
    layout->addLayout(fields);

    auto* buttons = new QHBoxLayout;
    static const char* const captions[4] = {"入力クリア", "登録", "更新", "削除"};
    for (int i = 0; i < 4; ++i) {
        Command3[i] = button(captions[i], indexed("Command3", i));
        const auto which = static_cast<Command3Button>(i);
        connect(Command3[i], &QPushButton::clicked, this, [this, which] { Command3_Click(which); });
        buttons->addWidget(Command3[i]);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    List4 = frame::newRecordList(this, "List4");
    frame::onListClick(List4, this, [this](int) { List4_Click(); });
    layout->addWidget(List4, 1);
}

void PartnerTab::FillChoices()
{
    Combo10[1]->clear();
    addDays(Combo10[1], 31);
    Combo10[2]->clear();
    Combo10[2]->addItems({"30日後", "60日後", "90日後"});
    Combo10[3]->clear();
    Combo10[3]->addItems({"A", "B", "C"});
}

void PartnerTab::Load()
{
    for (QLineEdit* edit : Text10)
        edit->clear();
    ShowPartnerList();
}

void PartnerTab::setInputsUsable(bool usable)
{
    for (QLineEdit* edit : Text10)
        setUsable(edit, usable);
    for (QComboBox* box : Combo10)
        setUsable(box, usable);
}

void PartnerTab::ShowPartnerList()
{
    fillList(List4, *m_file.PartnerRecordset, PartnerComparedFields(), [](dao::Recordset& rs) {
        const ListLine line = PartnerListLine(rs);
        return std::pair{line.text, line.key};
    });
}

void PartnerTab::refreshPartners()
{
    m_file.reopen(m_file.PartnerRecordset, "Q_取引先管理");
    ShowPartnerList();
}

void PartnerTab::clearBoxes()
{
    for (QLineEdit* box : Text10)
        box->clear();
    for (int i = 1; i <= 3; ++i)
        Combo10[i]->setEditText(QString());
}

void PartnerTab::Command3_Click(Command3Button button)
{
    const dao::Operation operation;  // its waits for the file share one budget
    if (!o::EditModeIsOn())
        return;
    PartnerBoxes boxes;
    boxes.name = fromQ(Text10[0]->text());
    boxes.business = fromQ(Text10[1]->text());
    boxes.address = fromQ(Text10[2]->text());
    boxes.representative = fromQ(Text10[3]->text());
    boxes.phone = fromQ(Text10[4]->text());
    boxes.mail = fromQ(Text10[5]->text());
    boxes.closingDay = fromQ(Combo10[1]->currentText());
    boxes.paymentDay = fromQ(Combo10[2]->currentText());
    boxes.rank = fromQ(Combo10[3]->currentText());
    try {
        switch (button) {
        case ClearInput:
            clearBoxes();
            ShowPartnerList();
            return;
        case Register: RegisterPartner(workspace(), database(), boxes); break;
        case Update: {
            const int line = chosenLine(List4);
            if (line < 0)
                return;
            if (const auto refusal = UpdatePartner(workspace(), database(), shownLine(List4, line), boxes))
                refuse(*refusal);
            break;
        }
        case Delete: {
            const auto line =
                chosenRecord(List4, *m_file.PartnerRecordset, PartnerKey, kPartnerWhat, [this] { refreshPartners(); });
            if (!line)
                return;
            if (ui::dialogs().messageBox(kDeletePartnerQuestion, ui::Buttons::YesNo, std::string("得意先管理"))
                != ui::Answer::Yes)
                return;
            if (const auto refusal = DeletePartner(workspace(), database(), *line))
                refuse(*refusal);
            break;
        }
        default: return;
        }
    } catch (const std::exception& e) {
        reportFailure("取引先を保存できませんでした。取引先は元のままです", e);
        refreshAfterFailure([this] { refreshPartners(); });
        return;
    }
    refreshPartners();
}

void PartnerTab::List4_Click()
{
    if (!chosenRecord(List4, *m_file.PartnerRecordset, PartnerKey, kPartnerWhat, [this] { refreshPartners(); }))
        return;
    dao::Recordset& partner = *m_file.PartnerRecordset;
    clearBoxes();
    const auto day = [&partner](const char* field, const char* unit, QComboBox* box) {
        const dao::Value value = partner.get(field);
        if (value.isNumeric() && value.toInt64() != 0)
            box->setEditText(toQ(std::to_string(value.toInt64()) + unit));
    };
    const auto text = [&partner](const char* field, QLineEdit* box) { box->setText(toQ(partner.get(field).toText())); };
    text(schema::column::PartnerName, Text10[0]);
    day(schema::column::ClosingDay, "日", Combo10[1]);
    day(schema::column::PaymentDay, "日後", Combo10[2]);
    Combo10[3]->setEditText(toQ(partner.get(schema::column::PartnerRank).toText()));
    text(schema::column::PartnerBusiness, Text10[1]);
    text(schema::column::Address, Text10[2]);
    text(schema::column::Representative, Text10[3]);
    text(schema::column::Phone, Text10[4]);
    text(schema::column::Email, Text10[5]);
}

}  // namespace setup
