#pragma once
// Each Foundation class file registers its own classes; NSObject's
// registerClasses calls them in order, the file classes through
// registerFileClasses (NSBlock.h declares the blocks' own).

namespace foundation {

void registerNSString();
void registerNSNumber();
void registerNSValue();
void registerNSArray();
void registerNSDictionary();
void registerNSData();
void registerFileClasses();
void registerNSDate();
void registerNSFileManager();
void registerNSBundle();
void registerNSURL();

}
