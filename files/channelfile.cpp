// The JSON channel file format.
#include "channelfile.h"
