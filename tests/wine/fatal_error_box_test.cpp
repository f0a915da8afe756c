#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "fatal_error_probe.h"

namespace {

std::wstring besideThisProgram(const std::wstring& name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

DWORD runAndWait(std::wstring commandLine) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 0xDEAD;
    }
    WaitForSingleObject(process.hThread, INFINITE);
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

std::wstring readUtf16File(const std::wstring& path) {
    std::string bytes;
    if (FILE* file = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        while (std::size_t got = std::fread(buffer, 1, sizeof buffer, file)) {
            bytes.append(buffer, got);
        }
        std::fclose(file);
    }
    std::wstring text(bytes.size() / 2, L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * 2);
    return text;
}

// Runs the probe until it dies; returns its exit code and fills `report`.
DWORD runProbe(const std::wstring& mode, std::wstring& report) {
    const std::wstring reportPath = besideThisProgram(L"fatal_error_probe.txt");
    DeleteFileW(reportPath.c_str());
    const DWORD exitCode = runAndWait(L"\"" + besideThisProgram(L"fatal_error_probe.exe") +
                                      L"\" \"" + reportPath + L"\" " + mode);
    report = readUtf16File(reportPath);
    return exitCode;
}

}  // namespace

TEST(FatalErrorBoxTest, TableIndexShowsNumberAndMessageThenEndsWithMinusOne) {
    std::wstring report;
    EXPECT_EQ(runProbe(L"index", report), 0xFFFFFFFFu);
    EXPECT_EQ(
        report,
        L"box:运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"
        L"|caption:fatal_error_probe|boxes:1|end");
}

TEST(FatalErrorBoxTest, FailedAllocationNamesTheSizeWithoutNumber) {
    std::wstring report;
    EXPECT_EQ(runProbe(L"allocation", report), 0xFFFFFFFFu);
    EXPECT_EQ(report, L"box:运行时出错!\r\n\r\n错误信息：分配 " +
                          std::to_wstring(kUnobtainableBlock) +
                          L" 字节内存失败!\r\n|caption:fatal_error_probe|boxes:1|end");
}

TEST(FatalErrorBoxTest, MissingWindowTemplateEndsTheProgram) {
    std::wstring report;
    EXPECT_EQ(runProbe(L"template", report), 0xFFFFFFFFu);
    EXPECT_EQ(report,
              L"box:运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n"
              L"|caption:fatal_error_probe|boxes:1|end");
}

TEST(FatalErrorBoxTest, MissingExternalFunctionNamesLibraryAndFunction) {
    std::wstring report;
    EXPECT_EQ(runProbe(L"external", report), 0xFFFFFFFFu);
    EXPECT_EQ(report,
              L"box:运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“kernel32.dll”中的输出命令“"
              L"NoSuchFunction”\r\n|caption:fatal_error_probe|boxes:1|end");
}

#if defined(__i386__)
// Only 32-bit code has two calling conventions to confuse.
TEST(FatalErrorBoxTest, AWronglyDeclaredExternalFunctionUnbalancesTheStackAndEndsTheProgram) {
    std::wstring report;
    EXPECT_EQ(runProbe(L"stack", report), 0xFFFFFFFFu);
    EXPECT_EQ(report,
              L"box:运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n"
              L"|caption:fatal_error_probe|boxes:1|end");
}
#endif
