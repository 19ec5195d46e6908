// Run-time class information of CMapStringToString.
#include "CMapStringToString.h"

IMPLEMENT_DYNAMIC(CMapStringToString, CObject)
