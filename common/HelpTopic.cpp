#include "HelpTopic.h"

qint16 HelpTopic = HelpTopics::MainLobby;
