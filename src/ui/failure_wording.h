// The reasons of failed renames in the user's language: installs into the
// engine a wording made from this application's translations.
#pragma once

namespace vellumix::ui {

// From now on every failure sentence of a batch rename is worded through the
// installed translators (English where none is installed). Call once, before
// any rename; safe with translators changed later.
void installFailureWording();

}  // namespace vellumix::ui
