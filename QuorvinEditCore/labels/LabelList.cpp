#include "labels/LabelList.h"

const RefString& LabelList::emptyLabel()
{
    static const RefString empty;
    return empty;
}
