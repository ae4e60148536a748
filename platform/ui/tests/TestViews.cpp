#include "TestViews.h"

IMPLEMENT_DYNCREATE(TestDocument, CDocument)
IMPLEMENT_DYNCREATE(TestView, CScrollView)
