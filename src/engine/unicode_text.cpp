#include "engine/unicode_text.h"
