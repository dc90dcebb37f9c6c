#include "setup/ShownRecords.h"

namespace setup {

namespace {

std::string fingerprintOf(const dao::Recordset& rs, const std::vector<std::string>& fields)
{
    std::string print;
    for (const std::string& name : fields) {
        const dao::Value value = rs.get(name);
        print += name;
        print += value.isNull() ? "\x1f" : "=" + value.toText();
        print += '\x1e';
    }
    return print;
}

}  // namespace

std::string RecordFingerprint(const dao::Recordset& rs)
{
    return fingerprintOf(rs, rs.fieldNames());
}

std::string RecordFingerprint(const dao::Recordset& rs, const ComparedFields& fields)
{
    return fields.empty() ? RecordFingerprint(rs) : fingerprintOf(rs, fields);
}

ShownLine ShownLineAt(const std::vector<std::string>& keys, const std::vector<std::string>& fingerprints,
                      const ComparedFields& fields, int index)
{
    ShownLine line;
    line.fields = fields;
    if (index < 0 || index >= static_cast<int>(keys.size()))
        return line;
    line.key = keys[index];
    for (int i = 0; i < index; ++i)
        if (keys[i] == line.key)
            ++line.occurrence;
    if (index < static_cast<int>(fingerprints.size()))
        line.fingerprint = fingerprints[index];
    return line;
}

ShownState LocateShownRecord(dao::Recordset& rs, const RecordKey& keyOf, const ShownLine& line)
{
    if (rs.isEmpty())
        return ShownState::Vanished;
    int seen = 0;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        if (keyOf(rs) != line.key)
            continue;
        if (seen++ == line.occurrence)
            return RecordFingerprint(rs, line.fields) == line.fingerprint ? ShownState::Unchanged : ShownState::Changed;
    }
    return ShownState::Vanished;
}

std::string ChangedElsewhereMessage(const std::string& what)
{
    return "選択された" + what + "は他で変更されています。一覧を読み直しましたので、もう一度選択してください";
}

std::string VanishedMessage(const std::string& what)
{
    return "選択された" + what
        + "が見つかりません。他で変更された可能性があります。一覧を読み直しましたので、もう一度選択してください";
}

std::string ShownStateMessage(ShownState state, const std::string& what)
{
    return state == ShownState::Vanished ? VanishedMessage(what) : ChangedElsewhereMessage(what);
}

}  // namespace setup
