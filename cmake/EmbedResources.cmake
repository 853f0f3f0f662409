# Writes OUTPUT, a C++ file that holds the bytes of INPUT as the exported HostResourceBlob.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}.
namespace
{
const unsigned char kResources[${size}] = {
${bytes}};
}

extern \"C\" __attribute__((visibility(\"default\"))) const unsigned char* HostResourceBlob(unsigned int* pcb)
{
    *pcb = sizeof kResources;
    return kResources;
}
")
