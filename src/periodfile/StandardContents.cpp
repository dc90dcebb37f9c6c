#include "periodfile/StandardContents.h"

#include "periodfile/Schema.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace periodfile {

namespace {

// Classes of the statements.
constexpr std::string_view kAssets = "資産の部";
constexpr std::string_view kLiabilities = "負債の部";
constexpr std::string_view kCapital = "資本の部";
constexpr std::string_view kOrdinary = "経常損益";
constexpr std::string_view kExtraordinary = "特別損益";
constexpr std::string_view kClosing = "決算";

constexpr std::string_view kManufacturingCost = "製造原価";

constexpr bool T = true;
constexpr bool F = false;

// code, name, side, 大分類, 中分類, 小分類, 消費税, 適用, 名称変更不可, 製造業で使用
//
// Notes on the layout:
// - Contra accounts keep the nature of their section and run negative (the
//   direct method of depreciation: there is no accumulated-depreciation account).
// - Purchases and stock adjustments share the 小分類 "売上原価": the purchase
//   sub-ledger, the month-end tax entries and the tax settlement find purchases
//   by that class. Deductions (値引戻し高, 期末商品棚卸高) keep their group's
//   nature and run negative.
// - The manufacturing detail accounts (中分類 "製造原価") carry the 小分類
//   values of the printed manufacturing cost report; closing stocks and
//   purchase returns are credit-natured, as the report subtracts them.
constexpr StandardAccount kChart[] = {
    // 資産の部 / 流動資産
    {"100", "現金", 0, kAssets, "流動資産", "現金預金", F, T, T, F},
    {"101", "小口現金", 0, kAssets, "流動資産", "現金預金", F, F, F, F},
    {"102", "当座預金", 0, kAssets, "流動資産", "現金預金", F, T, T, F},
    {"103", "普通預金", 0, kAssets, "流動資産", "現金預金", F, T, T, F},
    {"104", "通知預金", 0, kAssets, "流動資産", "現金預金", F, F, T, F},
    {"105", "定期預金", 0, kAssets, "流動資産", "現金預金", F, T, T, F},
    {"106", "定期積金", 0, kAssets, "流動資産", "現金預金", F, F, T, F},
    {"110", "受取手形", 0, kAssets, "流動資産", "売上債権", F, T, F, F},
    {"111", "売掛金", 0, kAssets, "流動資産", "売上債権", F, T, T, F},
    {"115", "有価証券", 0, kAssets, "流動資産", "有価証券", F, F, F, F},
    {"120", "商品", 0, kAssets, "流動資産", "棚卸資産", F, T, F, F},
    {"121", "製品", 0, kAssets, "流動資産", "棚卸資産", F, F, F, T},
    {"122", "原材料", 0, kAssets, "流動資産", "棚卸資産", F, F, F, T},
    {"123", "仕掛品", 0, kAssets, "流動資産", "棚卸資産", F, F, F, T},
    {"124", "貯蔵品", 0, kAssets, "流動資産", "棚卸資産", F, F, F, F},
    {"130", "前渡金", 0, kAssets, "流動資産", "他流動資産", F, T, F, F},
    {"131", "立替金", 0, kAssets, "流動資産", "他流動資産", F, T, F, F},
    {"132", "前払費用", 0, kAssets, "流動資産", "他流動資産", F, T, F, F},
    {"133", "未収入金", 0, kAssets, "流動資産", "他流動資産", F, T, F, F},
    {"134", "仮払金", 0, kAssets, "流動資産", "他流動資産", F, T, T, F},
    {"135", "短期貸付金", 0, kAssets, "流動資産", "他流動資産", F, F, F, F},
    {"136", "仮払消費税", 0, kAssets, "流動資産", "他流動資産", F, T, T, F},
    {"137", "事業主貸", 0, kAssets, "流動資産", "他流動資産", F, F, F, F},
    // 資産の部 / 固定資産
    {"140", "建物", 0, kAssets, "固定資産", "有形固定資産", T, T, F, F},
    {"141", "建物附属設備", 0, kAssets, "固定資産", "有形固定資産", T, T, F, F},
    {"142", "構築物", 0, kAssets, "固定資産", "有形固定資産", T, F, F, F},
    {"143", "機械装置", 0, kAssets, "固定資産", "有形固定資産", T, T, F, F},
    {"144", "車両運搬具", 0, kAssets, "固定資産", "有形固定資産", T, T, F, F},
    {"145", "工具器具備品", 0, kAssets, "固定資産", "有形固定資産", T, T, F, F},
    {"146", "一括償却資産", 0, kAssets, "固定資産", "有形固定資産", T, T, F, F},
    {"147", "土地", 0, kAssets, "固定資産", "有形固定資産", F, T, F, F},
    {"150", "ソフトウェア", 0, kAssets, "固定資産", "無形固定資産", T, T, F, F},
    {"151", "電話加入権", 0, kAssets, "固定資産", "無形固定資産", F, T, F, F},
    {"160", "投資有価証券", 0, kAssets, "固定資産", "投資その他の資産", F, F, F, F},
    {"161", "出資金", 0, kAssets, "固定資産", "投資その他の資産", F, T, F, F},
    {"162", "差入保証金", 0, kAssets, "固定資産", "投資その他の資産", F, T, F, F},
    {"163", "長期前払費用", 0, kAssets, "固定資産", "投資その他の資産", F, T, F, F},
    // 資産の部 / 繰延資産
    {"170", "創立費", 0, kAssets, "繰延資産", "繰延資産", F, F, F, F},
    {"171", "開業費", 0, kAssets, "繰延資産", "繰延資産", F, F, F, F},
    // 負債の部 / 流動負債
    {"200", "支払手形", 1, kLiabilities, "流動負債", "仕入債務", F, T, F, F},
    {"201", "買掛金", 1, kLiabilities, "流動負債", "他流動負債", F, T, T, F},
    {"210", "短期借入金", 1, kLiabilities, "流動負債", "他流動負債", F, T, F, F},
    {"211", "未払金", 1, kLiabilities, "流動負債", "他流動負債", F, T, F, F},
    {"212", "未払費用", 1, kLiabilities, "流動負債", "他流動負債", F, T, F, F},
    {"213", "未払法人税等", 1, kLiabilities, "流動負債", "他流動負債", F, T, F, F},
    {"214", "未払消費税", 1, kLiabilities, "流動負債", "他流動負債", F, T, T, F},
    {"215", "前受金", 1, kLiabilities, "流動負債", "他流動負債", F, T, F, F},
    {"216", "預り金", 1, kLiabilities, "流動負債", "他流動負債", F, T, T, F},
    {"217", "仮受金", 1, kLiabilities, "流動負債", "他流動負債", F, T, F, F},
    {"218", "仮受消費税", 1, kLiabilities, "流動負債", "他流動負債", F, T, T, F},
    // 負債の部 / 固定負債
    {"240", "長期借入金", 1, kLiabilities, "固定負債", "固定負債", F, T, F, F},
    {"241", "長期未払金", 1, kLiabilities, "固定負債", "固定負債", F, F, F, F},
    // 資本の部
    {"260", "資本金", 1, kCapital, "資本金", "資本金", F, T, F, F},
    {"261", "元入金", 1, kCapital, "資本金", "資本金", F, F, F, F},
    {"262", "事業主借", 1, kCapital, "資本金", "資本金", F, F, F, F},
    {"270", "利益準備金", 1, kCapital, "剰余金", "利益剰余金", F, F, F, F},
    {"271", "繰越利益剰余金", 1, kCapital, "剰余金", "利益剰余金", F, T, F, F},
    // 経常損益 / 営業損益: sales and cost of sales
    {"400", "売上高", 1, kOrdinary, "営業損益", "売上高", T, T, F, F},
    {"401", "売上値引戻り高", 1, kOrdinary, "営業損益", "売上高", T, T, F, F},
    {"410", "期首商品棚卸高", 0, kOrdinary, "営業損益", "売上原価", F, T, F, F},
    {"411", "仕入高", 0, kOrdinary, "営業損益", "売上原価", T, T, F, F},
    {"412", "仕入値引戻し高", 0, kOrdinary, "営業損益", "売上原価", T, T, F, F},
    {"413", "期末商品棚卸高", 0, kOrdinary, "営業損益", "売上原価", F, T, F, F},
    {"414", "期首製品棚卸高", 0, kOrdinary, "営業損益", "売上原価", F, F, F, T},
    {"415", "期末製品棚卸高", 0, kOrdinary, "営業損益", "売上原価", F, F, F, T},
    {"420", "当期製品製造原価", 0, kOrdinary, "営業損益", "製造原価", F, F, F, T},
    // 経常損益 / 製造原価: the manufacturing cost report's accounts
    {"430", "期首原材料棚卸高", 0, kOrdinary, kManufacturingCost, "期首原材料棚卸高", F, F, F, T},
    {"431", "原材料仕入高", 0, kOrdinary, kManufacturingCost, "原材料仕入高", T, F, F, T},
    {"432", "原材料値引戻し高", 1, kOrdinary, kManufacturingCost, "原材料仕入れ値引き戻し高", T, F, F, T},
    {"433", "期末原材料棚卸高", 1, kOrdinary, kManufacturingCost, "期末原材料棚卸高", F, F, F, T},
    {"440", "賃金", 0, kOrdinary, kManufacturingCost, "労務費", F, F, F, T},
    {"441", "製造法定福利費", 0, kOrdinary, kManufacturingCost, "労務費", F, F, F, T},
    {"450", "外注加工費", 0, kOrdinary, kManufacturingCost, "経費", T, F, F, T},
    {"451", "電力費", 0, kOrdinary, kManufacturingCost, "経費", T, F, F, T},
    {"452", "製造修繕費", 0, kOrdinary, kManufacturingCost, "経費", T, F, F, T},
    {"453", "製造減価償却費", 0, kOrdinary, kManufacturingCost, "経費", F, F, F, T},
    {"460", "期首仕掛品棚卸高", 0, kOrdinary, kManufacturingCost, "期首仕掛品棚卸高", F, F, F, T},
    {"461", "期末仕掛品棚卸高", 1, kOrdinary, kManufacturingCost, "期末仕掛品棚卸高", F, F, F, T},
    // 経常損益 / 販売管理費
    {"500", "役員報酬", 0, kOrdinary, "販売管理費", "販売管理費", F, T, T, F},
    {"501", "給与手当", 0, kOrdinary, "販売管理費", "販売管理費", F, T, T, F},
    {"502", "雑給", 0, kOrdinary, "販売管理費", "販売管理費", F, T, T, F},
    {"503", "賞与", 0, kOrdinary, "販売管理費", "販売管理費", F, T, T, F},
    {"504", "役員賞与", 0, kOrdinary, "販売管理費", "販売管理費", F, T, T, F},
    {"505", "退職金", 0, kOrdinary, "販売管理費", "販売管理費", F, F, F, F},
    {"506", "法定福利費", 0, kOrdinary, "販売管理費", "販売管理費", F, T, T, F},
    {"507", "福利厚生費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"510", "荷造運賃", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"511", "広告宣伝費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"512", "接待交際費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"513", "会議費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"514", "旅費交通費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"515", "通信費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"516", "販売促進費", 0, kOrdinary, "販売管理費", "販売管理費", T, F, F, F},
    {"517", "消耗品費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"518", "事務用品費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"519", "修繕費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"520", "水道光熱費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"521", "新聞図書費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"522", "諸会費", 0, kOrdinary, "販売管理費", "販売管理費", F, T, F, F},
    {"523", "支払手数料", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"524", "車両費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"525", "地代家賃", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"526", "賃借料", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"527", "リース料", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"528", "保険料", 0, kOrdinary, "販売管理費", "販売管理費", F, T, F, F},
    {"529", "租税公課", 0, kOrdinary, "販売管理費", "販売管理費", F, T, T, F},
    {"530", "減価償却費", 0, kOrdinary, "販売管理費", "販売管理費", F, T, T, F},
    {"531", "外注費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    {"532", "貸倒損失", 0, kOrdinary, "販売管理費", "販売管理費", F, F, F, F},
    {"539", "雑費", 0, kOrdinary, "販売管理費", "販売管理費", T, T, F, F},
    // 経常損益 / 営業外損益
    {"600", "受取利息", 1, kOrdinary, "営業外損益", "営業外収益", F, T, F, F},
    {"601", "受取配当金", 1, kOrdinary, "営業外損益", "営業外収益", F, T, F, F},
    {"602", "雑収入", 1, kOrdinary, "営業外損益", "営業外収益", F, T, T, F},
    {"610", "支払利息", 0, kOrdinary, "営業外損益", "営業外費用", F, T, F, F},
    {"611", "手形売却損", 0, kOrdinary, "営業外損益", "営業外費用", F, F, F, F},
    {"612", "雑損失", 0, kOrdinary, "営業外損益", "営業外費用", F, T, F, F},
    // 特別損益
    {"700", "固定資産売却益", 1, kExtraordinary, "特別損益", "特別利益", T, T, F, F},
    {"701", "前期損益修正益", 1, kExtraordinary, "特別損益", "特別利益", F, T, F, F},
    {"710", "固定資産売却損", 0, kExtraordinary, "特別損益", "特別損失", F, T, F, F},
    {"711", "固定資産除却損", 0, kExtraordinary, "特別損益", "特別損失", F, T, F, F},
    {"712", "前期損益修正損", 0, kExtraordinary, "特別損益", "特別損失", F, T, F, F},
    // 決算
    {"800", "法人税等", 0, kClosing, "決算１", "法人税等", F, T, F, F},
    {"850", "前期繰越利益", 1, kClosing, "決算２", "繰越利益", F, T, F, F},
    {"999", "諸口", 0, kClosing, "諸口", "諸口", F, T, T, F},
};

// Names an industry set gives an account in place of the standard name. The
// names the program looks up (nameLocked) are never renamed.
struct IndustryName {
    std::string_view code;
    int industry;
    std::string_view name;
};

constexpr IndustryName kIndustryNames[] = {
    {"400", 2, "製品売上高"},       {"400", 3, "完成工事高"},       {"411", 3, "工事材料仕入高"},
    {"123", 3, "未成工事支出金"},   {"215", 3, "未成工事受入金"},   {"400", 4, "運送収入"},
    {"524", 4, "燃料費"},           {"400", 5, "医業収益"},         {"411", 5, "医薬品仕入高"},
    {"120", 5, "医薬品"},           {"410", 5, "期首医薬品棚卸高"}, {"413", 5, "期末医薬品棚卸高"},
    {"400", 6, "農産物売上高"},     {"411", 6, "種苗肥料仕入高"},   {"120", 6, "農産物"},
    {"410", 6, "期首農産物棚卸高"}, {"413", 6, "期末農産物棚卸高"},
};

// Accounts an industry set uses beyond the standard accounts in use.
struct IndustryUse {
    std::string_view code;
    int industry;
};

constexpr IndustryUse kIndustryExtraUse[] = {
    {"123", 3},  // 未成工事支出金
    {"124", 4},  // 貯蔵品 (fuel and tyres in stock)
    {"124", 5},  // 貯蔵品 (medical supplies)
    {"143", 6},  // 機械装置 (farm machinery)
};

// Eras by their first day.
struct Era {
    std::string_view firstDay;
    std::string_view name;
};

constexpr Era kEras[] = {
    {"1868-10-23", "明治"}, {"1912-07-30", "大正"}, {"1926-12-25", "昭和"},
    {"1989-01-08", "平成"}, {"2019-05-01", "令和"},
};

// Consumption-tax rate periods. The simplified-taxation rate is the rate
// charged on a transaction, which simplified taxation does not change (it
// changes only how the input tax is deducted at the settlement, by the
// deemed-purchase ratio, which is no whole percent of the amount): so it
// equals the ordinary rate. The reduced rate of 2019 is not kept.
struct TaxRate {
    std::string_view firstDay;
    int rate;
    int simplifiedRate;
};

constexpr TaxRate kTaxRates[] = {
    {"1989-04-01", 3, 3},
    {"1997-04-01", 5, 5},
    {"2014-04-01", 8, 8},
    {"2019-10-01", 10, 10},
};

// Deposit kinds: each is the name of a chart account of 小分類 "現金預金".
constexpr std::string_view kDepositKinds[] = {"普通預金", "当座預金", "定期預金", "通知預金", "定期積金"};

struct Bank {
    std::string_view code;
    std::string_view name;
    std::string_view transferName;
    bool inUse;
};

constexpr Bank kBanks[] = {
    {"0001", "みずほ銀行", "ﾐｽﾞﾎ", T},        {"0005", "三菱ＵＦＪ銀行", "ﾐﾂﾋﾞｼﾕ-ｴﾌｼﾞｴｲ", F},
    {"0009", "三井住友銀行", "ﾐﾂｲｽﾐﾄﾓ", T},   {"0010", "りそな銀行", "ﾘｿﾅ", F},
    {"0017", "埼玉りそな銀行", "ｻｲﾀﾏﾘｿﾅ", F},
};

// Branch numbers are illustrative.
struct Branch {
    std::string_view bankCode;
    std::string_view number;
    std::string_view name;
    std::string_view transferName;
    bool inUse;
};

constexpr Branch kBranches[] = {
    {"0001", "110", "東京営業部", "ﾄｳｷﾖｳｴｲｷﾞﾖｳﾌﾞ", F},
    {"0001", "203", "新宿支店", "ｼﾝｼﾞﾕｸ", T},
    {"0001", "210", "渋谷支店", "ｼﾌﾞﾔ", F},
    {"0005", "001", "本店", "ﾎﾝﾃﾝ", F},
    {"0005", "041", "新宿中央支店", "ｼﾝｼﾞﾕｸﾁﾕｳｵｳ", F},
    {"0009", "100", "東京営業部", "ﾄｳｷﾖｳｴｲｷﾞﾖｳﾌﾞ", F},
    {"0009", "221", "新宿西口支店", "ｼﾝｼﾞﾕｸﾆｼｸﾞﾁ", F},
    {"0009", "232", "渋谷駅前支店", "ｼﾌﾞﾔｴｷﾏｴ", T},
    {"0010", "100", "東京営業部", "ﾄｳｷﾖｳｴｲｷﾞﾖｳﾌﾞ", F},
    {"0017", "110", "浦和中央支店", "ｳﾗﾜﾁﾕｳｵｳ", F},
};

std::int64_t flag(bool value)
{
    return value ? 1 : 0;
}

void insertChart(sqlite3* db)
{
    for (const StandardAccount& account : kChart) {
        std::vector<ColumnValue> row = {
            {"勘定科目コード", std::string(account.code)},
            {"勘定科目名", std::string(account.name)},
            {"借貸区分", std::int64_t{account.side}},
            {"相方有無", std::int64_t{1}},
            {"消費税", flag(account.taxable)},
            {"簡易課税", std::int64_t{0}},
            {"適用", flag(account.inUse)},
            {"大分類", std::string(account.major)},
            {"中分類", std::string(account.middle)},
            {"小分類", std::string(account.minor)},
            {"名称変更不可", flag(account.nameLocked)},
        };
        for (int industry = 0; industry < kIndustryCount; ++industry)
            row.emplace_back(kIndustryNameColumns[industry], std::string(industryAccountName(account, industry)));
        for (int industry = 0; industry < kIndustryCount; ++industry)
            row.emplace_back(kIndustryUseColumns[industry], flag(industryAccountInUse(account, industry)));
        insertRow(db, "勘定科目コード表", row);
        insertRow(db, "勘定科目コード表2",
                  {
                      {"勘定科目コード2", std::string(account.code)},
                      {"勘定科目名2", std::string(account.name)},
                      {"消費税2", flag(account.taxable)},
                      {"簡易課税2", std::int64_t{0}},
                      {"大分類2", std::string(account.major)},
                      {"中分類2", std::string(account.middle)},
                      {"小分類2", std::string(account.minor)},
                  });
    }
}

}  // namespace

std::span<const StandardAccount> standardChart()
{
    return kChart;
}

std::string_view industryAccountName(const StandardAccount& account, int industry)
{
    for (const IndustryName& entry : kIndustryNames)
        if (entry.industry == industry && entry.code == account.code)
            return entry.name;
    return account.name;
}

bool industryAccountInUse(const StandardAccount& account, int industry)
{
    if (account.inUse)
        return true;
    if (industry == 2 && account.manufacturing)
        return true;
    for (const IndustryUse& entry : kIndustryExtraUse)
        if (entry.industry == industry && entry.code == account.code)
            return true;
    return false;
}

std::string_view standardAccountCode(std::string_view name)
{
    for (const StandardAccount& account : kChart)
        if (account.name == name)
            return account.code;
    throw std::out_of_range("no standard account named " + std::string(name));
}

namespace {

void run(sqlite3* db, const std::string& sql, const SqlValue* values, size_t count)
{
    sqlite::Statement statement(db, sql);
    for (size_t i = 0; i < count; ++i)
        statement.bind(static_cast<int>(i + 1), values[i]);
    statement.run();
}

}  // namespace

void executeStatement(sqlite3* db, const std::string& sql, std::initializer_list<SqlValue> values)
{
    run(db, sql, values.begin(), values.size());
}

void insertRow(sqlite3* db, std::string_view table, std::initializer_list<ColumnValue> values)
{
    insertRow(db, table, std::span<const ColumnValue>(values.begin(), values.size()));
}

void insertRow(sqlite3* db, std::string_view table, std::span<const ColumnValue> values)
{
    std::string columns;
    std::string marks;
    std::vector<SqlValue> bound;
    for (const auto& [column, value] : values) {
        if (!columns.empty()) {
            columns += ", ";
            marks += ", ";
        }
        columns += quoted(column);
        marks += "?";
        bound.push_back(value);
    }
    run(db, "INSERT INTO " + quoted(table) + " (" + columns + ") VALUES (" + marks + ")", bound.data(), bound.size());
}

void insertStandardContents(sqlite3* db)
{
    for (const Era& era : kEras)
        insertRow(db, "年号コード", {{"年号", std::string(era.firstDay)}, {"和暦名称", std::string(era.name)}});

    for (const TaxRate& rate : kTaxRates)
        insertRow(db, "消費税率",
                  {{"日付", std::string(rate.firstDay)},
                   {"税率", std::int64_t{rate.rate}},
                   {"簡易税率", std::int64_t{rate.simplifiedRate}}});

    for (std::string_view kind : kDepositKinds)
        insertRow(db, "預金種別", {{"種別", std::string(kind)}});

    insertChart(db);

    for (const Bank& bank : kBanks)
        insertRow(db, "銀行コードﾏｽﾀｰ",
                  {{"銀行コード", std::string(bank.code)},
                   {"銀行名", std::string(bank.name)},
                   {"振込銀行名", std::string(bank.transferName)},
                   {"使用銀行", flag(bank.inUse)}});

    for (const Branch& branch : kBranches)
        insertRow(db, "支店コードﾏｽﾀｰ",
                  {{"銀行コード", std::string(branch.bankCode)},
                   {"支店コード", std::string(branch.bankCode) + std::string(branch.number)},
                   {"支店名", std::string(branch.name)},
                   {"振込支店名", std::string(branch.transferName)},
                   {"使用支店", flag(branch.inUse)}});
}

}  // namespace periodfile
