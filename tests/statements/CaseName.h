#pragma once
// Names the cases of a parameterised test by their own `name` field.
#include <gtest/gtest.h>

#include <string>

namespace statementstest {

struct CaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& p) const
    {
        return p.param.name;
    }
};

}  // namespace statementstest
