#include "list_messages.h"

#include "common/program_controls.h"
#include "win32/message_box.h"
#include "win32/named_controls.h"

namespace {

Text quoted(const UserList& list) {
    return "“" + Text(list.name) + "”";
}

// The folder is named as Explorer's address bar takes it: the user's own path
// may hold characters a GBK text cannot.
Text explanation(const UserList& list, ListOutcome outcome) {
    switch (outcome) {
        case ListOutcome::Busy:
            return quoted(list) + "正被另一个打开的Nuvri福利视频播放器使用，请稍后再试。";
        case ListOutcome::NotRead:
            return "无法读取" + quoted(list) + "的文件 %APPDATA%\\Nuvri\\" + Text(list.fileName) +
                   "，它保持原样。";
        case ListOutcome::NotWritten:
            return "无法保存" + quoted(list) +
                   "：文件夹 %APPDATA%\\Nuvri "
                   "不能写入，可能是磁盘已满或它是只读的。原有的内容没有改动。";
        case ListOutcome::TooLong:
            return "这个地址太长，无法记入" + quoted(list) + "。";
        case ListOutcome::Done:
            break;
    }
    return {};
}

}  // namespace

void tellListOutcome(const UserList& list, ListOutcome outcome) {
    messageBox(explanation(list, outcome), MB_OK | MB_ICONWARNING, Text(list.name),
               namedControl(kMainWindow));
}
