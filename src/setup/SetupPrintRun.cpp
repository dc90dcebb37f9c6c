#include "setup/SetupPrintRun.h"

namespace setup {

bool RunSetupPrintouts(printing::PrinterDevice&, const SetupPrintSources&,
                       const std::array<bool, kSetupPrintoutCount>&)
{
    return false;   // the printouts come with the setup lists
}

}  // namespace setup
