// Run-time class information of CMapStringToString.
#include "platform/CMapStringToString.h"

IMPLEMENT_DYNAMIC(CMapStringToString, CObject)
