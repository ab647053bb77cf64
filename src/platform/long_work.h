// Long loops of this layer (hashing a file, the steps of a change of files) call longWorkStep() now
// and then; a layer above installs what that does, so that a window keeps painting meanwhile.
#pragma once

namespace platform {

using LongWorkStep = void (*)();
// Installs `step` (nullptr for nothing) and returns the one installed before.
LongWorkStep setLongWorkStep(LongWorkStep step);
void longWorkStep();

}  // namespace platform
