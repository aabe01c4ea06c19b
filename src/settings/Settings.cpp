// PLACEHOLDER: replaced by the real implementation.
#include "settings/Settings.h"
