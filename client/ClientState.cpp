#include "ClientState.h"

namespace client {

bool statusBarHidden = false;
int32_t orientation = 0;
id hostedApplication = nullptr;

}
