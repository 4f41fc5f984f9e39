#include "Util/XProcessorException.h"

#include "Util/FaultReport.h"
#include "Util/Windows/FaultState.h"
#include "Util/Windows/WideText.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace Tessel::Util {

namespace {

struct CodeName {
    DWORD code;
    const char* name;
};

constexpr CodeName codeNames[] = {
    {0x80000001, "GUARD_PAGE"},
    {0x80000002, "DATATYPE_MISALIGNMENT"},
    {0x80000003, "BREAKPOINT"},
    {0x80000004, "SINGLE_STEP"},
    {0xC0000005, "ACCESS_VIOLATION"},
    {0xC0000006, "IN_PAGE_ERROR"},
    {0xC0000008, "INVALID_HANDLE"},
    {0xC000001D, "ILLEGAL_INSTRUCTION"},
    {0xC0000025, "NONCONTINUABLE_EXCEPTION"},
    {0xC0000026, "INVALID_DISPOSITION"},
    {0xC000008C, "ARRAY_BOUNDS_EXCEEDED"},
    {0xC000008D, "FLT_DENORMAL_OPERAND"},
    {0xC000008E, "FLT_DIVIDE_BY_ZERO"},
    {0xC000008F, "FLT_INEXACT_RESULT"},
    {0xC0000090, "FLT_INVALID_OPERATION"},
    {0xC0000091, "FLT_OVERFLOW"},
    {0xC0000092, "FLT_STACK_CHECK"},
    {0xC0000093, "FLT_UNDERFLOW"},
    {0xC0000094, "INT_DIVIDE_BY_ZERO"},
    {0xC0000095, "INT_OVERFLOW"},
    {0xC0000096, "PRIV_INSTRUCTION"},
    {0xC00000FD, "STACK_OVERFLOW"},
};

constexpr int MaxFrames = 64;

// What the report looks up at fault time lands in static buffers: nothing may allocate there,
// and after a stack overflow little stack is left. Reports do not run at the same time.
HMODULE ntdll;
wchar_t wideText[1024];
char narrowText[3 * std::size(wideText)];
CONTEXT unwound;

// Codes outside the table take NTDLL's message for them, on one line.
std::string_view DescribeCode(DWORD code) noexcept {
    for (const auto& entry : codeNames)
        if (entry.code == code)
            return entry.name;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                         ntdll, code, 0, wideText, 512, nullptr);
    std::replace_if(wideText, wideText + length, [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
    std::wstring_view message(wideText, length);
    while (message.ends_with(L' '))
        message.remove_suffix(1);
    return NarrowInto(message, narrowText);
}

// The module's path stays in a static buffer until the next call.
LogicalAddress Locate(std::uintptr_t address) noexcept {
    HMODULE module = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              reinterpret_cast<LPCWSTR>(address), &module))
        return {};
    const DWORD length = ::GetModuleFileNameW(module, wideText, std::size(wideText));
    if (length == 0 || length >= std::size(wideText))
        return {};
    const auto path = NarrowInto({wideText, length}, narrowText);
    if (path.empty())
        return {};
    return {address - reinterpret_cast<std::uintptr_t>(module), path.data()};
}

void WriteExceptionCode(ReportText& text, const EXCEPTION_RECORD& record) noexcept {
    text.Append("Exception code: ");
    text.AppendHex(record.ExceptionCode, 8);
    text.Append(" ");
    text.Append(DescribeCode(record.ExceptionCode));
    text.Append("\n");
}

std::array<NamedRegister, 24> GetRegisters(const CONTEXT& context) {
    return {{{"RAX", context.Rax, 16}, {"RBX", context.Rbx, 16},      {"RCX", context.Rcx, 16},
             {"RDX", context.Rdx, 16}, {"RSI", context.Rsi, 16},      {"RDI", context.Rdi, 16},
             {"RBP", context.Rbp, 16}, {"RSP", context.Rsp, 16},      {"R8", context.R8, 16},
             {"R9", context.R9, 16},   {"R10", context.R10, 16},      {"R11", context.R11, 16},
             {"R12", context.R12, 16}, {"R13", context.R13, 16},      {"R14", context.R14, 16},
             {"R15", context.R15, 16}, {"RIP", context.Rip, 16},      {"EFLAGS", context.EFlags, 8},
             {"CS", context.SegCs, 4}, {"SS", context.SegSs, 4},      {"DS", context.SegDs, 4},
             {"ES", context.SegEs, 4}, {"FS", context.SegFs, 4},      {"GS", context.SegGs, 4}}};
}

// The walk reads the stack of the thread that faulted, which need not be the one reporting.
bool IsReadable(DWORD64 address) noexcept {
    MEMORY_BASIC_INFORMATION region;
    if (::VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof region) == 0)
        return false;
    constexpr DWORD Readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                               PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    const auto end = reinterpret_cast<DWORD64>(region.BaseAddress) + region.RegionSize;
    return region.State == MEM_COMMIT && (region.Protect & Readable) != 0 && (region.Protect & PAGE_GUARD) == 0 &&
           address + sizeof(DWORD64) <= end;
}

// Steps context to its caller with the unwind tables of the code's module; a function without
// an entry there is a leaf that keeps its return address at the top of the stack. False when
// the walk cannot go on: the stack pointer would fail to move up or point nowhere readable.
bool Unwind(CONTEXT& context) noexcept {
    const DWORD64 stackPointer = context.Rsp;
    DWORD64 imageBase = 0;
    if (auto* function = ::RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr)) {
        void* handlerData = nullptr;
        DWORD64 establisherFrame = 0;
        ::RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, function, &context, &handlerData,
                           &establisherFrame, nullptr);
    } else {
        if (!IsReadable(context.Rsp))
            return false;
        context.Rip = *reinterpret_cast<const DWORD64*>(context.Rsp);
        context.Rsp += sizeof(DWORD64);
    }
    return context.Rsp > stackPointer && IsReadable(context.Rsp);
}

void WriteCallStack(ReportText& text, const CONTEXT& context) noexcept {
    WriteCallStackHeading(text);
    unwound = context;
    for (int frame = 0; frame < MaxFrames && unwound.Rip != 0; ++frame) {
        WriteStackLine(text, unwound.Rip, Locate(unwound.Rip));
        if (!Unwind(unwound))
            break;
    }
    text.Append("End Call Stack\n");
}

}  // namespace

XProcessorException::XProcessorException(std::string_view title, const FaultState& fault) noexcept {
    text.Append(title);
    if (fault.record)
        WriteExceptionCode(text, *fault.record);
    WriteFaultAddress(text, fault.context.Rip, Locate(fault.context.Rip));
    WriteRegisters(text, GetRegisters(fault.context));
    WriteCallStack(text, fault.context);
}

void XProcessorException::Prepare() { ntdll = ::GetModuleHandleW(L"ntdll.dll"); }

}  // namespace Tessel::Util
