#include "engine/ErrorCode.h"

#include <algorithm>
#include <iterator>

#include "platform/SystemError.h"

namespace {

struct CodeText {
  ErrorCode code;
  const char* text;
};

constexpr std::uint32_t kEngineMask = 0x300FFFFF;

// Looked up with the code masked to its family and group bits.
constexpr CodeText kEngineTexts[] = {
    {kErrNone, "No Error"},
    {kErrUserDefined, "User Defined Error"},
    {kErrUnknown, "Unknown Error"},
    {kErrWriteBuffer, "Write buffer broken"},
    {kErrReadBuffer, "Read buffer broken"},
    {kErrInvalidOffset, "Invalid Offset"},
    {kErrAlreadyOpen, "File already open"},
    {kErrNotOpen, "File not open"},
    {kErrMemory, "Memory Error"},
    {kErrInvalidBoid, "Invalid Boid"},
    {kErrFileNotFound, "File %s not found"},
    {kErrFileExists, "File %s already exists"},
    {kErrPathNotFound, "Path %s not found"},
    {kErrCannotWrite, "Unable to write to file %s"},
    {kErrCannotRead, "Unable to read from file %s"},
    {kErrNotInArchive, "File not found in BAD"},
    {kErrArchiveReadOnly, "BAD file is read-only"},
    {kErrDeleteFailed, "Delete failed"},
    {kErrPastEof, "Past EOF"},
    {kErrInvalidFormat, "Invalid format"},
    {kErrUnsupportedVersion, "Unsupported version"},
    {kErrNoSpace, "Not enough space"},
    {kErrInvalidDevice, "Invalid Device"},
    {kErrDeviceReadOnly, "Device %s is read only"},
    {kErrCannotMount, "Unable to mount device %s"},
    {kErrOutOfMemory, "Out of memory"},
    {kErrUnregisteredMessage, "Unregistered message"},
    {kErrNoSceneNodes, "No valid NiNodes found in .NIF file '%s'"},
    {kErrCannotCreateTexture, "Unable to create texture"},
    {kErrCannotLoadScene, "NDL Err: Unable to load .NIF : '%s'"},
    {kErrNodeNotFound, "NDL Err: Unable to find node : '%s'"},
    {kErrInvalidNode, "NDL Err: Invalid node"},
    {kErrIllegalBlockIndex, "Illegal Block index"},
    {kErrNoteTrackSyntax, "Illegal syntax in note track data '%s'"},
    {kErrNoteTrackOrder, "Note track data '%s' out of sequence"},
};

// DirectX and COM results, looked up by the exact code. Sorted by code.
constexpr CodeText kDirectXTexts[] = {
    {0x00000000, "No error."},
    {0x80004001, "Action not supported."},
    {0x80004002, "E_NOINTERFACE"},
    {0x80004003, "E_POINTER (invalid pointer)"},
    {0x80004004, "E_ABORT"},
    {0x80004005, "Generic failure."},
    {0x8000FFFF, "E_UNEXPECTED"},
    {0x800401F0, "CO_E_NOTINITIALIZED: The object has not been initialized."},
    {0x80040207, "DIERR_NOTBUFFERED: The device is not buffered."},
    {0x80070005, "E_ACCESSDENIED"},
    {0x80070006, "E_HANDLE (invalid handle)"},
    {0x8007000C, "DIERR_NOTACQUIRED"},
    {0x8007000E, "DirectDraw does not have enough memory to perform the operation."},
    {0x80070015, "DIERR_NOTINITIALIZED"},
    {0x8007001E, "DIERR_INPUTLOST"},
    {0x80070057, "One or more of the parameters passed to the function are incorrect."},
    {0x88760005, "This object is already initialized."},
    {0x8876000A, "This surface can not be attached to the requested surface."},
    {0x88760014, "This surface can not be detached from the requested surface."},
    {0x88760028, "Support is currently not available."},
    {0x88760037, "An exception was encountered while performing the requested operation."},
    {0x8876005A, "Height of rectangle provided is not a multiple of reqd alignment."},
    {0x8876005F, "DDERR_INCOMPATIBLEPRIMARY"},
    {0x88760064, "One or more of the caps bits passed to the callback are incorrect."},
    {0x8876006E, "DDERR_INVALIDCLIPLIST"},
    {0x88760078, "DirectDraw does not support the requested mode."},
    {0x88760082, "DirectDraw received a pointer that was an invalid DIRECTDRAW object."},
    {0x88760091, "The pixel format was invalid as specified."},
    {0x88760096, "Rectangle provided was invalid."},
    {0x887600A0, "DDERR_LOCKEDSURFACES"},
    {0x887600AA, "There is no 3D present."},
    {0x887600B4, "DDERR_NOALPHAHW"},
    {0x887600CD, "DDERR_NOCLIPLIST"},
    {0x887600D2, "DDERR_NOCOLORCONVHW"},
    {0x887600D4, "DDERR_NOCOOPERATIVELEVELSET"},
    {0x887600D7, "DDERR_NOCOLORKEY"},
    {0x887600DC, "DDERR_NOCOLORKEYHW"},
    {0x887600DE, "DDERR_NODIRECTDRAWSUPPORT"},
    {0x887600E1, "DDERR_NOEXCLUSIVEMODE"},
    {0x887600E6, "DDERR_NOFLIPHW"},
    {0x887600F0, "There is no GDI present."},
    {0x887600FA, "DDERR_NOMIRRORHW"},
    {0x887600FF, "The requested item was not found."},
    {0x88760104, "DDERR_NOOVERLAYHW"},
    {0x8876010E, "DDERR_OVERLAPPINGRECTS"},
    {0x88760118, "DDERR_NORASTEROPHW"},
    {0x88760122, "DDERR_NOROTATIONHW"},
    {0x88760136, "DDERR_NOSTRETCHHW"},
    {0x8876013C, "DDERR_NOT4BITCOLOR"},
    {0x8876013D, "DDERR_NOT4BITCOLORINDEX"},
    {0x88760140, "DDERR_NOT8BITCOLOR"},
    {0x8876014A, "DDERR_NOTEXTUREHW"},
    {0x8876014F, "DDERR_NOVSYNCHW"},
    {0x88760154, "DDERR_NOZBUFFERHW"},
    {0x8876015E, "DDERR_NOZOVERLAYHW"},
    {0x88760168, "The hardware needed for the requested operation has already been allocated."},
    {0x8876017C, "DirectDraw does not have enough memory to perform the operation."},
    {0x8876017E, "The hardware does not support clipped overlays."},
    {0x88760180, "Can only have ony color key active at one time for overlays."},
    {0x88760183,
     "Access to this palette is being refused because the palette is already locked by another "
     "thread."},
    {0x88760190, "No src color key specified for this operation."},
    {0x8876019A, "DDERR_SURFACEALREADYATTACHED"},
    {0x887601A4, "DDERR_SURFACEALREADYDEPENDENT"},
    {0x887601AE,
     "Access to this surface is being refused because the surface is already locked by another "
     "thread."},
    {0x887601B3, "DDERR_CANTLOCKSURFACE: Access to surface refused"},
    {0x887601B8, "Access to Surface refused because Surface is obscured."},
    {0x887601C2,
     "Access to this surface is being refused because the surface memory is gone.\nThe "
     "DirectDrawSurface object representing this surface should have Restore called on it."},
    {0x887601CC, "The requested surface is not attached."},
    {0x887601D6, "Height requested by DirectDraw is too large."},
    {0x887601E0, "Size requested by DirectDraw is too large."},
    {0x887601EA, "Width requested by DirectDraw is too large."},
    {0x887601FE, "Pixel format requested is unsupported by DirectDraw."},
    {0x88760208, "DDERR_UNSUPPORTEDMASK"},
    {0x88760209, "DDERR_INVALIDSTREAM"},
    {0x88760219, "DDERR_VERTICALBLANKINPROGRESS: Vertical blank is in progress"},
    {0x8876021C,
     "Informs DirectDraw that the previous Blt which is transfering information to or from this "
     "Surface is incomplete."},
    {0x88760230, "DDERR_XALIGN"},
    {0x88760231, "DDERR_INVALIDDIRECTDRAWGUID"},
    {0x88760232, "DDERR_DIRECTDRAWALREADYCREATED"},
    {0x88760233, "DDERR_NODIRECTDRAWHW: No DirectDraw hardware support"},
    {0x88760234, "DDERR_PRIMARYSURFACEALREADYEXISTS"},
    {0x88760235, "DDERR_NOEMULATION"},
    {0x88760236, "DDERR_REGIONTOOSMALL"},
    {0x88760237, "DDERR_CLIPPERISUSINGHWND"},
    {0x88760238, "DDERR_NOCLIPPERATTACHED"},
    {0x88760239, "DDERR_NOHWND: Clipper notification requires an HWND"},
    {0x8876023A, "DDERR_HWNDSUBCLASSED"},
    {0x8876023B, "DDERR_HWNDALREADYSET"},
    {0x8876023C, "DDERR_NOPALETTEATTACHED"},
    {0x8876023D, "DDERR_NOPALETTEHW"},
    {0x8876023E, "DDERR_BLTFASTCANTCLIP"},
    {0x8876023F, "DDERR_NOBLTHW"},
    {0x88760240, "DDERR_NODDROPSHW"},
    {0x88760241, "DDERR_OVERLAYNOTVISIBLE"},
    {0x88760242, "DDERR_NOOVERLAYDEST"},
    {0x88760243, "DDERR_INVALIDPOSITION"},
    {0x88760244, "DDERR_NOTAOVERLAYSURFACE"},
    {0x88760245, "DDERR_EXCLUSIVEMODEALREADYSET"},
    {0x88760246, "DDERR_NOTFLIPPABLE"},
    {0x88760247,
     "DDERR_CANTDUPLICATE: Surfaces with primaries or implicit surfaces cannot be duplicated"},
    {0x88760248,
     "Surface was not locked.  An attempt to unlock a surface that was not locked at all, or by "
     "this process, has been attempted."},
    {0x88760249, "DDERR_CANTCREATEDC"},
    {0x8876024A, "DDERR_NODC"},
    {0x8876024B, "This surface can not be restored because it was created in a different mode."},
    {0x8876024C, "DDERR_IMPLICITLYCREATED"},
    {0x8876024D, "DDERR_NOTPALETTIZED"},
    {0x8876024E, "DDERR_UNSUPPORTEDMODE"},
    {0x8876024F, "DDERR_NOMIPMAPHW"},
    {0x88760250, "DDERR_INVALIDSURFACETYPE"},
    {0x88760258, "DDERR_NOOPTIMIZEHW"},
    {0x88760259, "DDERR_NOTLOADED"},
    {0x8876025A, "DDERR_NOFOCUSWINDOW"},
    {0x8876026C, "DDERR_DCALREADYCREATED"},
    {0x88760276, "DDERR_NONONLOCALVIDMEM"},
    {0x88760280, "DDERR_CANTPAGELOCK"},
    {0x88760294, "DDERR_CANTPAGEUNLOCK"},
    {0x887602A8, "DDERR_NOTPAGELOCKED"},
    {0x887602B2, "DDERR_MOREDATA"},
    {0x887602B3, "DDERR_EXPIRED"},
    {0x887602B7, "DDERR_VIDEONOTACTIVE"},
    {0x887602BB, "DDERR_DEVICEDOESNTOWNSURFACE"},
    {0x887602BC, "D3DERR_BADMAJORVERSION"},
    {0x887602BD, "D3DERR_BADMINORVERSION"},
    {0x887602C6, "D3DERR_EXECUTE_CREATE_FAILED"},
    {0x887602C7, "D3DERR_EXECUTE_DESTROY_FAILED"},
    {0x887602C8, "D3DERR_EXECUTE_LOCK_FAILED"},
    {0x887602C9, "D3DERR_EXECUTE_UNLOCK_FAILED"},
    {0x887602CA, "D3DERR_EXECUTE_LOCKED"},
    {0x887602CB, "D3DERR_EXECUTE_NOT_LOCKED"},
    {0x887602CC, "D3DERR_EXECUTE_FAILED"},
    {0x887602CD, "D3DERR_EXECUTE_CLIPPED_FAILED"},
    {0x887602D0, "D3DERR_TEXTURE_NO_SUPPORT"},
    {0x887602D1, "D3DERR_TEXTURE_CREATE_FAILED"},
    {0x887602D2, "D3DERR_TEXTURE_DESTROY_FAILED"},
    {0x887602D3, "D3DERR_TEXTURE_LOCK_FAILED"},
    {0x887602D4, "D3DERR_TEXTURE_UNLOCK_FAILED"},
    {0x887602D5, "D3DERR_TEXTURE_LOAD_FAILED"},
    {0x887602D6, "D3DERR_TEXTURE_SWAP_FAILED"},
    {0x887602D7, "D3DERR_TEXTURE_LOCKED"},
    {0x887602D8, "D3DERR_TEXTURE_NOT_LOCKED"},
    {0x887602D9, "D3DERR_TEXTURE_GETSURF_FAILED"},
    {0x887602DA, "D3DERR_MATRIX_CREATE_FAILED"},
    {0x887602DB, "D3DERR_MATRIX_DESTROY_FAILED"},
    {0x887602DC, "D3DERR_MATRIX_SETDATA_FAILED"},
    {0x887602DD, "D3DERR_MATRIX_GETDATA_FAILED"},
    {0x887602DE, "D3DERR_SETVIEWPORTDATA_FAILED"},
    {0x887602DF, "D3DERR_INVALIDCURRENTVIEWPORT"},
    {0x887602E0, "D3DERR_INVALIDPRIMITIVETYPE"},
    {0x887602E1, "D3DERR_INVALIDVERTEXTYPE"},
    {0x887602E2, "D3DERR_TEXTURE_BADSIZE"},
    {0x887602E3, "D3DERR_INVALIDRAMPTEXTURE"},
    {0x887602E4, "D3DERR_MATERIAL_CREATE_FAILED"},
    {0x887602E5, "D3DERR_MATERIAL_DESTROY_FAILED"},
    {0x887602E6, "D3DERR_MATERIAL_SETDATA_FAILED"},
    {0x887602E7, "D3DERR_MATERIAL_GETDATA_FAILED"},
    {0x887602E8, "D3DERR_INVALIDPALETTE"},
    {0x887602E9, "D3DERR_ZBUFF_NEEDS_SYSTEMMEMORY"},
    {0x887602EA, "D3DERR_ZBUFF_NEEDS_VIDEOMEMORY"},
    {0x887602EB, "D3DERR_SURFACENOTINVIDMEM"},
    {0x887602EE, "D3DERR_LIGHT_SET_FAILED"},
    {0x887602EF, "D3DERR_LIGHTHASVIEWPORT"},
    {0x887602F0, "D3DERR_LIGHTNOTINTHISVIEWPORT"},
    {0x887602F8, "D3DERR_SCENE_IN_SCENE"},
    {0x887602F9, "D3DERR_SCENE_NOT_IN_SCENE"},
    {0x887602FA, "D3DERR_SCENE_BEGIN_FAILED"},
    {0x887602FB, "D3DERR_SCENE_END_FAILED"},
    {0x88760302, "D3DERR_INBEGIN"},
    {0x88760303, "D3DERR_NOTINBEGIN"},
    {0x88760304, "D3DERR_NOVIEWPORTS"},
    {0x88760305, "D3DERR_VIEWPORTDATANOTSET"},
    {0x88760306, "D3DERR_VIEWPORTHASNODEVICE"},
    {0x88760307, "D3DERR_NOCURRENTVIEWPORT"},
    {0x88760800, "D3DERR_INVALIDVERTEXFORMAT"},
    {0x88760802, "D3DERR_COLORKEYATTACHED"},
    {0x8876080C, "D3DERR_VERTEXBUFFEROPTIMIZED"},
    {0x8876080D, "D3DERR_VBUF_CREATE_FAILED"},
    {0x8876080E, "D3DERR_VERTEXBUFFERLOCKED"},
    {0x88760816, "D3DERR_ZBUFFER_NOTPRESENT"},
    {0x88760817, "D3DERR_STENCILBUFFER_NOTPRESENT"},
    {0x88760818, "D3DERR_WRONGTEXTUREFORMAT"},
    {0x88760819, "D3DERR_UNSUPPORTEDCOLOROPERATION"},
    {0x8876081A, "D3DERR_UNSUPPORTEDCOLORARG"},
    {0x8876081B, "D3DERR_UNSUPPORTEDALPHAOPERATION"},
    {0x8876081C, "D3DERR_UNSUPPORTEDALPHAARG"},
    {0x8876081D, "D3DERR_TOOMANYOPERATIONS"},
    {0x8876081E, "D3DERR_CONFLICTINGTEXTUREFILTER"},
    {0x8876081F, "D3DERR_UNSUPPORTEDFACTORVALUE"},
    {0x88760821, "D3DERR_CONFLICTINGRENDERSTATE"},
    {0x88760822, "D3DERR_UNSUPPORTEDTEXTUREFILTER"},
    {0x88760823, "D3DERR_TOOMANYPRIMITIVES"},
    {0x88760824, "D3DERR_INVALIDMATRIX"},
    {0x88760825, "D3DERR_TOOMANYVERTICES"},
    {0x88760826, "D3DERR_CONFLICTINGTEXTUREPALETTE"},
};

template <std::size_t N>
constexpr bool IsSorted(const CodeText (&table)[N]) {
  for (std::size_t i = 1; i < N; ++i) {
    if (table[i - 1].code.GetCode() >= table[i].code.GetCode()) return false;
  }
  return true;
}

static_assert(IsSorted(kEngineTexts) && IsSorted(kDirectXTexts));
static_assert(std::size(kDirectXTexts) == 193);

template <std::size_t N>
const char* Find(const CodeText (&table)[N], std::uint32_t code) {
  const CodeText* end = table + N;
  const CodeText* found = std::lower_bound(
      table, end, code,
      [](const CodeText& row, std::uint32_t wanted) { return row.code.GetCode() < wanted; });
  return found != end && found->code.GetCode() == code ? found->text : nullptr;
}

}  // namespace

const char* ErrorCode::GetText() const {
  if (const char* text = Find(kEngineTexts, m_code & kEngineMask)) return text;
  if (const char* text = Find(kDirectXTexts, m_code)) return text;
  return "Unrecognized error value.";
}

ErrorCode ErrorCode::FromSystemError(const platform::SystemError& error) {
  return ErrorCode(static_cast<std::uint32_t>(error.number));
}
