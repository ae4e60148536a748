#include "control/app/MainDoc.h"

IMPLEMENT_DYNCREATE(CMainDoc, CDocument)
