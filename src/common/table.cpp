#include "table.h"

#include "fatal_error.h"

void raiseTableIndexError(std::int64_t index) {
    if (index < 1) {
        raiseFatalError(kErrorIndexBelowOne, "数组成员引用下标必须大于等于1");
    }
    raiseFatalError(kErrorIndexAboveCount, "数组成员引用下标超出定义范围");
}
