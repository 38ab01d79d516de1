#include "fileops/attribute_rules.h"

namespace tarvelo::fileops {

AttributeChoice attributeChoice(uint32_t attributes) {
    return {(attributes & 0x01) != 0, (attributes & 0x02) != 0, (attributes & 0x04) != 0,
            (attributes & 0x20) != 0};
}

uint32_t attributeValue(const AttributeChoice& c) {
    return (c.readOnly ? 0x01u : 0u) | (c.hidden ? 0x02u : 0u) | (c.system ? 0x04u : 0u) |
           (c.archive ? 0x20u : 0u);
}

}  // namespace tarvelo::fileops
