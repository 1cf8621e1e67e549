#include "BoardSeam.h"
