#include "PropertyList.h"
namespace foundation {
NSDictionary* readPropertyListDictionary(const std::string&) { return nullptr; }
bool writePropertyListDictionary(NSDictionary*, const std::string&, bool) { return false; }
id decodePropertyList(const uint8_t*, size_t, std::string*) { return nullptr; }
std::vector<uint8_t> encodePropertyListBinary(id) { return {}; }
void registerFileClasses() { }
}
