#include "shell/run_flags.h"

namespace tarvelo::shell {

RunFlags& runFlags() {
    static RunFlags flags;
    return flags;
}

}  // namespace tarvelo::shell
