// Registers the Foundation classes that deal with files and what they hold.

namespace foundation {

void registerNSDate();
void registerNSFileManager();
void registerNSBundle();

void registerFileClasses()
{
    registerNSDate();
    registerNSFileManager();
    registerNSBundle();
}

}
