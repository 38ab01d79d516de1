#pragma once
// The four attribute flags the Attribute dialog offers, as one value.
#include <cstdint>

namespace tarvelo::fileops {

struct AttributeChoice {
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
    bool archive = false;
    friend bool operator==(const AttributeChoice&, const AttributeChoice&) = default;
};

// The dialog's start from the first item's attribute bits.
AttributeChoice attributeChoice(uint32_t attributes);

// The exact value every item gets (read-only 0x01, hidden 0x02, system 0x04,
// archive 0x20); any other bit the platform lets a caller set is cleared.
uint32_t attributeValue(const AttributeChoice& choice);

}  // namespace tarvelo::fileops
