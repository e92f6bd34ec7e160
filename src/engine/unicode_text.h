// Unicode helpers shared by the engine's rules (ICU underneath).
#pragma once

namespace vellumix::detail {}  // namespace vellumix::detail
