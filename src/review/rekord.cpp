#include "review/rekord.h"
