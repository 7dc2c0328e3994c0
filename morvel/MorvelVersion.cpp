#include "morvel/MorvelVersion.h"

const char* morvel_version() { return "1.0.0"; }
