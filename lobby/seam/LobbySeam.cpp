#include "LobbySeam.h"
