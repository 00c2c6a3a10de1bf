// The registry layer's contract against the system's registry.
#include "contract/RegistryContract.h"
#include "platform/win32/Win32Registry.h"

namespace netvik {

INSTANTIATE_TYPED_TEST_SUITE_P(System, RegistryContract, win32::Win32Registry);

}  // namespace netvik
