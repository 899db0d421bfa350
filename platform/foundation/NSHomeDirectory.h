#pragma once
// The user's home directory, as NSHomeDirectory gives it on the phone. The
// simulator points it at a home of its own; by default it is $HOME.

#include "NSString.h"

#include <string>

// An autoreleased string, without a trailing slash.
NSString* NSHomeDirectory();

namespace foundation {

// "" restores the default ($HOME, else the user's entry in the password file).
void setHomeDirectory(std::string path);
std::string homeDirectory();
// The user's own home, whatever setHomeDirectory says.
std::string userHomeDirectory();

}
