// The class library in one include.
#pragma once

#include "ClassLibResource.h"
#include "CmdTarget.h"
#include "Exceptions.h"
#include "ListBox.h"
#include "MessageBox.h"
#include "String.h"
#include "WinApp.h"
#include "Wnd.h"
