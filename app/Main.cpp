#include "app/AccessManagerApp.h"

// The one application object; the framework's entry point runs its start-up.
CAccessManagerApp theApp;
