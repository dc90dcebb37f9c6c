#include "statements/ClosingEntryPage.h"

namespace statements {

namespace {

ClosingEntryPageMaker& maker()
{
    static ClosingEntryPageMaker inUse;
    return inUse;
}

}  // namespace

void SetClosingEntryPageMaker(ClosingEntryPageMaker make)
{
    maker() = std::move(make);
}

const ClosingEntryPageMaker& ClosingEntryPageMakerInUse()
{
    return maker();
}

}  // namespace statements
