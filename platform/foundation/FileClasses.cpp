// Registers the Foundation classes that deal with files and what they hold.
#include "FoundationRegistration.h"

namespace foundation {

void registerFileClasses()
{
    registerNSDate();
    registerNSFileManager();
    registerNSBundle();
}

}
