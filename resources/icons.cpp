// The icons: PNG images rendered from the drawings in icons/ (scripts/render-icons.sh) and embedded
// at build time, each array filled from the bytes of its file.
#include "resources/resource.h"
#include "resources/templates.h"

namespace vexor::res {
namespace {

const unsigned char aProgram16[] = {
#include "resources/icons/program-16.png.inc"
};
const unsigned char aProgram32[] = {
#include "resources/icons/program-32.png.inc"
};
const unsigned char aProgram48[] = {
#include "resources/icons/program-48.png.inc"
};
const unsigned char aPadlock32[] = {
#include "resources/icons/padlock-32.png.inc"
};
const unsigned char aUsers16[] = {
#include "resources/icons/users-16.png.inc"
};
const unsigned char aUsers32[] = {
#include "resources/icons/users-32.png.inc"
};
const unsigned char aUsers48[] = {
#include "resources/icons/users-48.png.inc"
};

// Sizes as Windows asks for them: 16 px for title bars and lists, 32 px (SM_CXICON) for dialogs, 48 px
// for large views. The padlock only ever appears in a dialog.
const IconImage aProgramImages[] = {
    {16, 16, aProgram16, sizeof aProgram16},
    {32, 32, aProgram32, sizeof aProgram32},
    {48, 48, aProgram48, sizeof aProgram48},
};
const IconImage aPadlockImages[] = {
    {32, 32, aPadlock32, sizeof aPadlock32},
};
const IconImage aUsersImages[] = {
    {16, 16, aUsers16, sizeof aUsers16},
    {32, 32, aUsers32, sizeof aUsers32},
    {48, 48, aUsers48, sizeof aUsers48},
};

const Icon aIcons[] = {
    {IDR_MAINFRAME, aProgramImages},
    {IDI_PADLOCK, aPadlockImages},
    {IDI_USERS, aUsersImages},
};

} // namespace

std::span<const Icon> programIcons() { return aIcons; }

} // namespace vexor::res
