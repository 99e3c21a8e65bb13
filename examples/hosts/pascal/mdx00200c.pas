{ The package's C interface for Delphi and Free Pascal hosts: the functions
  of mdx00200_c.h, loaded at run time from the package library (stdcall on
  Windows, cdecl elsewhere). Texts are PAnsiChar in UTF-8, or in
  Windows-1252 after mdx_set_encoding(MDX_ENCODING_CP1252); the texts the
  package returns are valid until the next call of the same function. }
unit mdx00200c;

{$mode objfpc}{$H+}

interface

const
  MDX_OK = 0;
  MDX_ERROR_JSON = 1;
  MDX_ERROR_UNKNOWN_NAME = 2;
  MDX_ERROR_ARGUMENT = 3;
  MDX_ERROR_RAISED = 4;
  MDX_ERROR_REFUSED = 5;
  MDX_ERROR_NO_SESSION = 6;
  MDX_ERROR_INTERNAL = 7;
  MDX_ENCODING_UTF8 = 0;
  MDX_ENCODING_CP1252 = 1;
{$ifdef windows}
  MdxDefaultLibrary = 'Mdx00200.dll';
{$else}
  MdxDefaultLibrary = 'libmdx00200.so';
{$endif}

type
  TMdxDialogCallback = function(context: Pointer; text, caption: PAnsiChar; kind: LongInt;
    scheme: PAnsiChar): LongInt; {$ifdef windows}stdcall{$else}cdecl{$endif};
  TMdxMessageCallback = procedure(context: Pointer; text: PAnsiChar); {$ifdef windows}stdcall{$else}cdecl{$endif};
  TMdxPumpCallback = procedure(context: Pointer); {$ifdef windows}stdcall{$else}cdecl{$endif};
  TMdxDelayCallback = procedure(context: Pointer; units: LongInt); {$ifdef windows}stdcall{$else}cdecl{$endif};

var
  mdx_version: function: LongInt; {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_last_error_code: function: LongInt; {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_last_error_message: function: PAnsiChar; {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_set_encoding: function(encoding: LongInt): LongInt; {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_call: function(name, arguments: PAnsiChar): PAnsiChar; {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_operations: function: PAnsiChar; {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_get_global: function(name: PAnsiChar): PAnsiChar; {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_set_host_folder: function(folder: PAnsiChar): LongInt; {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_set_dialog_callback: procedure(callback: TMdxDialogCallback; context: Pointer); {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_set_message_callback: procedure(callback: TMdxMessageCallback; context: Pointer); {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_set_pump_callback: procedure(callback: TMdxPumpCallback; context: Pointer); {$ifdef windows}stdcall{$else}cdecl{$endif};
  mdx_set_delay_callback: procedure(callback: TMdxDelayCallback; context: Pointer); {$ifdef windows}stdcall{$else}cdecl{$endif};

{ Loads the package (a path, or MdxDefaultLibrary through the normal search)
  and resolves every function. False, with the reason in Error, when the
  library or a function is missing. }
function LoadMdx00200(const path: string; out error: string): Boolean;

implementation

uses dynlibs;

function LoadMdx00200(const path: string; out error: string): Boolean;
var
  lib: TLibHandle;

  function Find(const name: string): Pointer;
  begin
    Result := GetProcedureAddress(lib, name);
    if Result = nil then error := 'the package has no ' + name;
  end;

begin
  error := '';
  lib := LoadLibrary(path);
  if lib = NilHandle then
  begin
    error := 'cannot load ' + path;
    Exit(False);
  end;
  Pointer(mdx_version) := Find('mdx_version');
  Pointer(mdx_last_error_code) := Find('mdx_last_error_code');
  Pointer(mdx_last_error_message) := Find('mdx_last_error_message');
  Pointer(mdx_set_encoding) := Find('mdx_set_encoding');
  Pointer(mdx_call) := Find('mdx_call');
  Pointer(mdx_operations) := Find('mdx_operations');
  Pointer(mdx_get_global) := Find('mdx_get_global');
  Pointer(mdx_set_host_folder) := Find('mdx_set_host_folder');
  Pointer(mdx_set_dialog_callback) := Find('mdx_set_dialog_callback');
  Pointer(mdx_set_message_callback) := Find('mdx_set_message_callback');
  Pointer(mdx_set_pump_callback) := Find('mdx_set_pump_callback');
  Pointer(mdx_set_delay_callback) := Find('mdx_set_delay_callback');
  Result := error = '';
end;

end.
