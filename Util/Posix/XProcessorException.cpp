#include "Util/XProcessorException.h"

#include "Util/FaultReport.h"
#include "Util/Posix/FaultState.h"

#include <array>
#include <dlfcn.h>
#include <execinfo.h>
#include <limits.h>
#include <string.h>
#include <unistd.h>

namespace Tessel::Util {

namespace {

// dladdr knows the program itself only by the name it was started with, which may be relative.
char programPath[PATH_MAX];
const void* programBase;

struct CodeName {
    int signal;
    int code;
    const char* name;
};

// Names of the processor exceptions that a signal's code tells apart.
constexpr CodeName codeNames[] = {
    {SIGSEGV, SEGV_MAPERR, "ACCESS_VIOLATION"},     {SIGSEGV, SEGV_ACCERR, "ACCESS_VIOLATION"},
    {SIGBUS, BUS_ADRALN, "DATATYPE_MISALIGNMENT"},  {SIGBUS, BUS_ADRERR, "IN_PAGE_ERROR"},
    {SIGBUS, BUS_OBJERR, "IN_PAGE_ERROR"},          {SIGFPE, FPE_INTDIV, "INT_DIVIDE_BY_ZERO"},
    {SIGFPE, FPE_INTOVF, "INT_OVERFLOW"},           {SIGFPE, FPE_FLTDIV, "FLT_DIVIDE_BY_ZERO"},
    {SIGFPE, FPE_FLTOVF, "FLT_OVERFLOW"},           {SIGFPE, FPE_FLTUND, "FLT_UNDERFLOW"},
    {SIGFPE, FPE_FLTRES, "FLT_INEXACT_RESULT"},     {SIGFPE, FPE_FLTINV, "FLT_INVALID_OPERATION"},
    {SIGFPE, FPE_FLTSUB, "ARRAY_BOUNDS_EXCEEDED"},  {SIGILL, ILL_ILLOPC, "ILLEGAL_INSTRUCTION"},
    {SIGILL, ILL_ILLOPN, "ILLEGAL_INSTRUCTION"},    {SIGILL, ILL_ILLADR, "ILLEGAL_INSTRUCTION"},
    {SIGILL, ILL_ILLTRP, "ILLEGAL_INSTRUCTION"},    {SIGILL, ILL_COPROC, "ILLEGAL_INSTRUCTION"},
    {SIGILL, ILL_PRVOPC, "PRIV_INSTRUCTION"},       {SIGILL, ILL_PRVREG, "PRIV_INSTRUCTION"},
};

// An access this close to the stack pointer hit the guard below the stack.
constexpr std::uintptr_t StackOverflowReach = 64 * 1024;

#if defined(__x86_64__)

std::uintptr_t GetInstructionPointer(const ucontext_t& context) {
    return static_cast<std::uintptr_t>(context.uc_mcontext.gregs[REG_RIP]);
}

std::uintptr_t GetStackPointer(const ucontext_t& context) {
    return static_cast<std::uintptr_t>(context.uc_mcontext.gregs[REG_RSP]);
}

std::array<NamedRegister, 22> GetRegisters(const ucontext_t& context) {
    const auto value = [&](int index) { return static_cast<std::uint64_t>(context.uc_mcontext.gregs[index]); };
    // CS, GS, FS and SS share one slot, 16 bits each from the lowest.
    const auto segment = [&](int field) { return value(REG_CSGSFS) >> (16 * field) & 0xFFFF; };
    return {{{"RAX", value(REG_RAX), 16}, {"RBX", value(REG_RBX), 16}, {"RCX", value(REG_RCX), 16},
             {"RDX", value(REG_RDX), 16}, {"RSI", value(REG_RSI), 16}, {"RDI", value(REG_RDI), 16},
             {"RBP", value(REG_RBP), 16}, {"RSP", value(REG_RSP), 16}, {"R8", value(REG_R8), 16},
             {"R9", value(REG_R9), 16},   {"R10", value(REG_R10), 16}, {"R11", value(REG_R11), 16},
             {"R12", value(REG_R12), 16}, {"R13", value(REG_R13), 16}, {"R14", value(REG_R14), 16},
             {"R15", value(REG_R15), 16}, {"RIP", value(REG_RIP), 16}, {"RFLAGS", value(REG_EFL), 16},
             {"CS", segment(0), 4},       {"SS", segment(3), 4},       {"FS", segment(2), 4},
             {"GS", segment(1), 4}}};
}

#elif defined(__aarch64__)

std::uintptr_t GetInstructionPointer(const ucontext_t& context) { return context.uc_mcontext.pc; }

std::uintptr_t GetStackPointer(const ucontext_t& context) { return context.uc_mcontext.sp; }

std::array<NamedRegister, 34> GetRegisters(const ucontext_t& context) {
    static constexpr std::string_view names[] = {
        "X0",  "X1",  "X2",  "X3",  "X4",  "X5",  "X6",  "X7",  "X8",  "X9",  "X10",
        "X11", "X12", "X13", "X14", "X15", "X16", "X17", "X18", "X19", "X20", "X21",
        "X22", "X23", "X24", "X25", "X26", "X27", "X28", "X29", "X30"};
    std::array<NamedRegister, 34> registers;
    for (int index = 0; index < 31; ++index)
        registers[index] = {names[index], context.uc_mcontext.regs[index], 16};
    registers[31] = {"SP", context.uc_mcontext.sp, 16};
    registers[32] = {"PC", context.uc_mcontext.pc, 16};
    registers[33] = {"PSTATE", context.uc_mcontext.pstate, 16};
    return registers;
}

#else
#error "Name the registers of this processor for the abort report."
#endif

const char* FindCodeName(const siginfo_t& signal, const ucontext_t& context) {
    if (signal.si_signo == SIGSEGV) {
        const auto address = reinterpret_cast<std::uintptr_t>(signal.si_addr);
        const auto stack = GetStackPointer(context);
        if (address + StackOverflowReach >= stack && address < stack + StackOverflowReach)
            return "STACK_OVERFLOW";
    }
    for (const auto& entry : codeNames)
        if (entry.signal == signal.si_signo && entry.code == signal.si_code)
            return entry.name;
    return ::sigdescr_np(signal.si_signo);
}

LogicalAddress Locate(std::uintptr_t address) {
    Dl_info info;
    if (::dladdr(reinterpret_cast<void*>(address), &info) == 0 || info.dli_fname == nullptr)
        return {};
    const char* module = info.dli_fbase == programBase && programPath[0] != '\0' ? programPath : info.dli_fname;
    return {address - reinterpret_cast<std::uintptr_t>(info.dli_fbase), module};
}

void WriteExceptionCode(ReportText& text, const siginfo_t& signal, const ucontext_t& context) noexcept {
    const char* abbreviation = ::sigabbrev_np(signal.si_signo);
    text.Append("Exception code: SIG");
    text.Append(abbreviation ? abbreviation : "?");
    text.Append(" ");
    text.AppendHex(static_cast<std::uint32_t>(signal.si_code), 8);
    text.Append(" ");
    const char* name = FindCodeName(signal, context);
    text.Append(name ? name : "");
    text.Append("\n");
}

// The first line is the faulting instruction; the unwinder's frames follow from the one that
// returns into it, so that the frames of the signal handler itself are left out. When the
// unwinder cannot find that frame (a context captured by getcontext), every frame is listed.
void WriteCallStack(ReportText& text, std::uintptr_t instruction) noexcept {
    WriteCallStackHeading(text);
    WriteStackLine(text, instruction, Locate(instruction));

    std::array<void*, 64> frames;
    const auto count = static_cast<std::size_t>(::backtrace(frames.data(), static_cast<int>(frames.size())));
    std::size_t first = 0;
    while (first < count && reinterpret_cast<std::uintptr_t>(frames[first]) != instruction)
        ++first;
    first = first < count ? first + 1 : 0;
    for (auto index = first; index < count; ++index) {
        const auto address = reinterpret_cast<std::uintptr_t>(frames[index]);
        WriteStackLine(text, address, Locate(address));
    }
    text.Append("End Call Stack\n");
}

}  // namespace

XProcessorException::XProcessorException(std::string_view title, const FaultState& fault) noexcept {
    text.Append(title);
    if (fault.signal)
        WriteExceptionCode(text, *fault.signal, fault.context);
    const auto instruction = GetInstructionPointer(fault.context);
    WriteFaultAddress(text, instruction, Locate(instruction));
    WriteRegisters(text, GetRegisters(fault.context));
    WriteCallStack(text, instruction);
}

void XProcessorException::Prepare() {
    void* frame;
    ::backtrace(&frame, 1);
    Dl_info info;
    if (::dladdr(reinterpret_cast<void*>(&XProcessorException::Prepare), &info) != 0)
        programBase = info.dli_fbase;
    const auto length = ::readlink("/proc/self/exe", programPath, sizeof programPath - 1);
    programPath[length > 0 ? length : 0] = '\0';
}

}  // namespace Tessel::Util
