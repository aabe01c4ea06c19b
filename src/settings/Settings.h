// PLACEHOLDER: replaced by the real implementation.
// The settings' value names and how their texts read back.
#pragma once
#include "settings/SettingsStore.h"
