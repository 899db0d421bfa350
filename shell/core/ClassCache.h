#pragma once
// A shell class looked up by name on first use, and again on later uses only
// while it has not been found.

#include "runtime/Class.h"

class ClassCache {
public:
    explicit constexpr ClassCache(const char* name)
        : m_name(name)
    {
    }

    Class get()
    {
        if (!m_class)
            m_class = objc_getClass(m_name);
        return m_class;
    }

private:
    const char* m_name;
    Class m_class = nullptr;
};

extern ClassCache SBApplicationIconClass;
extern ClassCache SBUserNotificationAlertClass;
extern ClassCache SBAlertItemsControllerClass;
extern ClassCache SBApplicationControllerClass;
extern ClassCache SBUIControllerClass;
