#pragma once
// The listing's reserved storage on Windows: address space reserved with
// VirtualAlloc and committed page range by page range as a load fills it.
#include "common/address_space.h"

namespace tarvelo::platform {

common::AddressSpace& virtualAddressSpace();

}  // namespace tarvelo::platform
