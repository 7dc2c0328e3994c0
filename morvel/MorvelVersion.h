// Version of the model library stand-in; the geometry records join it later.
#pragma once

const char* morvel_version();
