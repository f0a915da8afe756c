#include "stack_checked_call.h"

#if defined(__i386__)

// cdecl: the four parameters at 8..20(%ebp) once the frame is set up. ESI,
// EDI and EBX are saved: a stdcall callee keeps them, so EDI still holds the
// stack pointer from before the pushes when it returns.
__asm__(
    ".text\n"
    ".globl nuvriCallCheckingStack\n"
    "nuvriCallCheckingStack:\n"
    "    pushl %ebp\n"
    "    movl %esp, %ebp\n"
    "    pushl %esi\n"
    "    pushl %edi\n"
    "    pushl %ebx\n"
    "    movl 12(%ebp), %esi\n"  // slots
    "    movl 16(%ebp), %ecx\n"  // count
    "    movl %esp, %edi\n"
    "1:  testl %ecx, %ecx\n"  // the last slot first
    "    jz 2f\n"
    "    decl %ecx\n"
    "    pushl (%esi,%ecx,4)\n"
    "    jmp 1b\n"
    "2:  call *8(%ebp)\n"
    "    xorl %ecx, %ecx\n"
    "    cmpl %esp, %edi\n"
    "    setne %cl\n"
    "    movl %edi, %esp\n"
    "    movl 20(%ebp), %ebx\n"  // unbalanced
    "    movl %ecx, (%ebx)\n"
    "    popl %ebx\n"
    "    popl %edi\n"
    "    popl %esi\n"
    "    popl %ebp\n"
    "    ret\n");

#endif
