#pragma once
// The tab "固定資産／リース資産管理" of the setup window: the fixed-asset
// register with its depreciation (on leaving 期首残存価格 and on its first
// button) and the lease register: their lists, loading a chosen line into the
// boxes, and their buttons.

#include "setup/SetupTab.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace registers {
struct FixedAssetFields;
enum class FixedAssetCheck;
}  // namespace registers

namespace setup {

struct LeaseBoxes;

class AssetTab : public SetupTab {
    Q_OBJECT
public:
    // The buttons Command6 of the fixed assets, by caption.
    enum Command6Button : std::size_t {
        DepreciationButton = 0,  // 取得日から減価償却費計算（残存価格計算）
        AssetClearButton = 1,
        AssetRegisterButton = 2,
        AssetUpdateButton = 3,
        AssetDeleteButton = 4,
    };
    // The buttons Command7 of the leases, by caption (there is no 0).
    enum Command7Button : std::size_t {
        LeaseClearButton = 1,
        LeaseRegisterButton = 2,
        LeaseUpdateButton = 3,
        LeaseDeleteButton = 4,
    };

    AssetTab(SetupRecordsets& file, frame::CellExitGuard& cellExits);

    QListWidget* List5 = nullptr;
    std::array<QLineEdit*, 7> Text4{};
    std::array<QComboBox*, 9> Combo6{};
    std::array<QPushButton*, 5> Command6{};
    QListWidget* List6 = nullptr;
    std::array<QLineEdit*, 9> Text6{};
    std::array<QComboBox*, 5> Combo17{};
    std::array<QPushButton*, 5> Command7{};

    // The choice lists of the boxes, the boxes emptied and both lists shown.
    void Load();
    // The account boxes of both registers offer the names of the accounts in
    // use for tangible fixed assets, as the chart holds them now; what the
    // boxes show stays.
    void FillAccountChoices();
    // Both registers opened again and listed: after the window's own change
    // of the chart, whose names their lines show, or its initialisation.
    void refreshRegisters();

    void ClearFixedAssetInput();
    void ClearLeaseInput();
    void ShowFixedAssetList();
    void ShowLeaseList();
    void Command6_Click(Command6Button button);
    void Command7_Click(Command7Button button);
    void List5_Click();
    void List6_Click();
    void Text4_LostFocus(int index);

    void setInputsUsable(bool usable) override;

protected:
    void controlLeft(QObject* control) override;

private:
    void refreshFixedAssets();
    void refreshLeases();
    void depreciationFromAcquisition();
    // The statutory rates of the method, acquisition date and life shown, once
    // all three are known; not while a chosen asset is being loaded.
    void showStatutoryRates();
    // Whether the typed rates may be stored: they agree with the statutory ones,
    // or the user answered Yes to the question about the difference.
    bool assetRatesAccepted(const registers::FixedAssetFields& fields);
    void registerFixedAsset();
    void updateFixedAsset();
    void deleteFixedAsset();
    void registerLease();
    void updateLease();
    void deleteLease();
    std::optional<std::pair<dao::Date, dao::Date>> periodDates();
    // The asset's account code when the fields pass the checks of `check`;
    // nullopt after saying why not.
    std::optional<std::string> checkedAssetAccount(const registers::FixedAssetFields& fields,
                                                   registers::FixedAssetCheck check);
    // The code of an account of the chart by its name; "" when there is none.
    std::string accountCode(const std::string& name);
    registers::FixedAssetFields fixedAssetFields() const;
    LeaseBoxes leaseBoxes() const;
    // The chosen line of a register's list, -1 after saying that none is.
    int chosenRegisterLine(const QListWidget* list);
    // "削除" of a fixed asset or lease: the chosen line (else the message), its
    // record found again as chosenRecord does, and the user's Yes to
    // `question` in a box titled `title`; nullopt otherwise.
    std::optional<ShownLine> lineToDelete(QListWidget* list, dao::Recordset& rs, const RecordKey& keyOf,
                                          const char* what, const std::function<void()>& refresh,
                                          const std::string& question, const std::string& title);

    bool m_loadingAsset = false;  // List5_Click is filling the asset's fields
};

}  // namespace setup
