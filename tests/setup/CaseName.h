#pragma once
// Names the cases of a parameterised test by their own `name` field.

#include <gtest/gtest.h>

#include <string>

namespace setuptest {

struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& c) const
    {
        return c.param.name;
    }
};

}  // namespace setuptest
