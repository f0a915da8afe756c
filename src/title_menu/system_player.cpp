#include "system_player.h"

#include "catalogue/web_address.h"
#include "common/program_controls.h"
#include "win32/message_box.h"
#include "win32/named_controls.h"
#include "win32/shell_open.h"

namespace {

void tell(const Text& what) {
    messageBox(what, MB_OK | MB_ICONWARNING, Text("系统播放器"), namedControl(kMainWindow));
}

}  // namespace

bool openInSystemPlayer(const Text& address) {
    if (address.empty()) {
        tell("这一行没有视频地址。");
        return false;
    }
    if (!isStreamAddress(address)) {
        tell("只有 http、https、rtmp、rtmps、rtsp 和 mms 地址才能交给系统播放器：\r\n" + address);
        return false;
    }
    if (!openWithSystem(addressForSystem(address))) {
        tell("系统里没有能打开这个地址的播放器或浏览器：\r\n" + address);
        return false;
    }
    return true;
}
