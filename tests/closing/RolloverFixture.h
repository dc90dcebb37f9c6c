#pragma once
// The sample company in a data folder of its own, made ready for its rollover:
// the depreciation journal posted (one asset's row deleted again), a closing
// entry for the taxes, the tax settlement, a row and a history row dated after
// the period; the figures the next period must open with worked out straight
// from the journal table, and the file's digest.

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace closing::testing {

std::string Sha256Of(const std::string& path);

// The files in a folder, by name.
std::vector<std::string> FilesIn(const std::filesystem::path& folder);

struct ExpectedAccount {
    std::string name;
    int side = 0;               // 借貸区分
    std::string major, middle;  // 大分類, 中分類
    std::int64_t opening = 0;   // 期首残高 before the rollover
    std::int64_t closing = 0;   // 期首残高 + the period's movements, by its side
    std::int64_t past[5] = {};  // 前年決算残高 .. 前5決算残高 before the rollover
};

class SampleRolloverTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Works out, straight from the tables, what the next period opens with.
    void workOutExpectations();

    std::filesystem::path dataDir;
    std::string sourcePath;  // サンプル商事第10期.mdb
    std::string targetPath;  // サンプル商事第11期.mdb
    std::string sourceDigest;

    std::map<std::string, ExpectedAccount> accounts;         // in use, by code
    std::int64_t profit = 0;                                 // 当期未処分利益
    std::map<long long, std::int64_t> bankBalances;          // 取引銀行 rowid -> balance at the period's end
    std::map<std::string, std::int64_t> postedDepreciation;  // 管理番号 -> posted

    std::shared_ptr<dao::Database> openTarget();
};

}  // namespace closing::testing
