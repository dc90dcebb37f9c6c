#include "statements/StatementCsv.h"

#include "common/DatabasePath.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "statements/StatementClasses.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace statements {

namespace {

bool listed(const StatementAccount& a, CsvStatement statement)
{
    if (a.closing == 0)
        return false;
    if (statement == CsvStatement::ProfitLoss)
        return a.major == cls::kOrdinary;
    return a.major == cls::kAssets || a.major == cls::kLiabilities || a.major == cls::kCapital;
}

std::string quoted(const std::string& text)
{
    std::string item = "\"";
    for (char c : text) {
        if (c == '"')
            item += '"';
        item += c;
    }
    return item + "\"";
}

std::string figureItem(std::int64_t value)
{
    return quoted(o::FormatNumber(value, o::kPlainAmountMask));
}

// The listed accounts of both files, for the name check.
std::vector<const StatementAccount*> listedAccounts(const StatementAccounts& accounts)
{
    std::vector<const StatementAccount*> all;
    for (CsvStatement statement : {CsvStatement::BalanceSheet, CsvStatement::ProfitLoss})
        for (const StatementAccount& a : accounts)
            if (listed(a, statement))
                all.push_back(&a);
    return all;
}

void removeQuietly(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

// Writes `bytes` to the new file `path`; false when it could not be written whole.
bool writeWhole(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    if (out)
        return true;
    removeQuietly(path);
    return false;
}

// One file of the pair on its way: its place, its temporary file, and a second
// name kept for the old file until the pair is in place.
struct PairFile {
    std::string path;
    std::string temporary;
    std::string keptOld;
    bool hadOld = false;
    bool replaced = false;
};

// Puts back the old files of those already replaced, and removes what was made.
void undo(std::vector<PairFile>& files)
{
    for (PairFile& f : files) {
        if (f.replaced) {
            std::error_code error;
            if (f.hadOld)
                std::filesystem::rename(f.keptOld, f.path, error);
            else
                removeQuietly(f.path);
        } else if (f.hadOld) {
            removeQuietly(f.keptOld);
        }
        removeQuietly(f.temporary);
    }
}

}  // namespace

std::string StatementCsvText(const StatementAccounts& accounts, CsvStatement statement)
{
    std::array<std::string, 8> lines;
    bool first = true;
    for (const StatementAccount& a : accounts) {
        if (!listed(a, statement))
            continue;
        const std::array<std::string, 8> items = {
            quoted(a.name),        figureItem(a.closing), figureItem(a.budget),  figureItem(a.past[0]),
            figureItem(a.past[1]), figureItem(a.past[2]), figureItem(a.past[3]), figureItem(a.past[4]),
        };
        for (std::size_t i = 0; i < lines.size(); ++i)
            lines[i] += (first ? "" : ",") + items[i];
        first = false;
    }
    if (first)
        return {};
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::optional<std::string> ToCp932(const std::string& utf8)
{
    iconv_t converter = iconv_open("CP932", "UTF-8");
    // iconv_open reports a failure as (iconv_t)-1: the cast is its interface.
    if (converter == reinterpret_cast<iconv_t>(-1))  // NOLINT(performance-no-int-to-ptr)
        return std::nullopt;
    std::string out;
    std::vector<char> input(utf8.begin(), utf8.end());
    char* in = input.data();
    std::size_t inLeft = input.size();
    bool failed = false;
    while (inLeft > 0) {
        char buffer[256];
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            failed = true;
            break;
        }
    }
    iconv_close(converter);
    if (failed)
        return std::nullopt;
    return out;
}

std::string WriteStatementCsvFiles(const StatementAccounts& accounts, const std::string& folder)
{
    for (const StatementAccount* a : listedAccounts(accounts))
        if (!ToCp932(a->name))
            return "勘定科目「" + a->name
                + "」の名前にシフトJISで表せない文字があるため、ＣＳＶファイルを作成できません";

    // Both files are written in full beside the old ones first; only then are
    // they put in place, each old file kept under a second name (a link, which
    // takes no room on the disk) until both are there. A failure at any step
    // leaves both old files as they were.
    const std::pair<CsvStatement, const char*> kinds[] = {{CsvStatement::BalanceSheet, kBalanceSheetCsvName},
                                                          {CsvStatement::ProfitLoss, kProfitLossCsvName}};
    std::vector<PairFile> files;
    const auto failed = [&](const std::string& path) {
        undo(files);
        return "ＣＳＶファイル「" + path + "」を書き込めませんでした";
    };
    for (const auto& [statement, name] : kinds) {
        PairFile f;
        f.path = o::JoinPath(folder, name);
        f.temporary = CsvTemporaryPath(f.path);
        f.keptOld = f.temporary + ".old";
        files.push_back(f);
        const auto bytes = ToCp932(StatementCsvText(accounts, statement));
        if (!bytes || !writeWhole(f.temporary, *bytes))
            return failed(f.path);
    }
    for (PairFile& f : files) {
        std::error_code error;
        f.hadOld = std::filesystem::is_regular_file(f.path, error);
        if (f.hadOld) {
            std::filesystem::create_hard_link(f.path, f.keptOld, error);
            if (error)
                return failed(f.path);
        }
    }
    for (PairFile& f : files) {
        std::error_code error;
        std::filesystem::rename(f.temporary, f.path, error);
        if (error)
            return failed(f.path);
        f.replaced = true;
    }
    for (const PairFile& f : files)
        if (f.hadOld)
            removeQuietly(f.keptOld);
    return {};
}

std::string CsvTemporaryPath(const std::string& path)
{
    return path + ".tmp" + std::to_string(::getpid());
}

}  // namespace statements
