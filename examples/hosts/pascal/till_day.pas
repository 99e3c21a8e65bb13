{ till_day: a till in Free Pascal (the stand-in for the Delphi tills) against
  the package's C interface. It runs the day of ../day/ against the virtual
  printer, checks its figures with fpjson, then checks that bad input comes
  back as a clear last error. The package's path comes from MDX_PACKAGE, the
  day's folder from MDX_DAY, the till's folder from MDX_WORK. Exit status 0
  when every check passed. }
program till_day;

{$mode objfpc}{$H+}

uses
  SysUtils, Classes, fpjson, jsonparser, mdx00200c;

var
  Day: string;
  Checks: Integer = 0;
  Failures: Integer = 0;

procedure Check(ok: Boolean; const what, got: string);
begin
  Inc(Checks);
  if ok then
    WriteLn('ok   ', what)
  else
  begin
    Inc(Failures);
    WriteLn('FAIL ', what);
    WriteLn('     got: ', Copy(got, 1, 400));
  end;
end;

function DayArguments(const name: string): string;
var
  lines: TStringList;
begin
  lines := TStringList.Create;
  try
    lines.LoadFromFile(IncludeTrailingPathDelimiter(Day) + name + '.json');
    Result := lines.Text;
  finally
    lines.Free;
  end;
end;

{ Calls op; the parsed result, or nil (the last error is shown). The caller
  frees the result. }
function Call(const op, arguments: string): TJSONObject;
var
  text: PAnsiChar;
begin
  text := mdx_call(PAnsiChar(op), PAnsiChar(arguments));
  if text = nil then
  begin
    WriteLn('     ', op, ': error ', mdx_last_error_code(), ': ', mdx_last_error_message());
    Exit(nil);
  end;
  Result := GetJSON(text) as TJSONObject;
end;

function CallDay(const op, name: string): TJSONObject;
begin
  Result := Call(op, DayArguments(name));
end;

function IsTrue(r: TJSONObject): Boolean;
begin
  Result := (r <> nil) and (r.Find('result') is TJSONBoolean) and r.Booleans['result'];
end;

function Shown(r: TJSONObject): string;
begin
  if r = nil then Result := string(mdx_last_error_message()) else Result := r.AsJSON;
end;

procedure NoDelay(context: Pointer; units: LongInt); {$ifdef windows}stdcall{$else}cdecl{$endif};
begin
end;

function AnswerNo(context: Pointer; text, caption: PAnsiChar; kind: LongInt; scheme: PAnsiChar): LongInt;
  {$ifdef windows}stdcall{$else}cdecl{$endif};
begin
  WriteLn('     dialog (kind ', kind, '): ', text);
  Result := 0;
end;

procedure RunDay;
var
  r: TJSONObject;
  reduction, payment: TJSONObject;
begin
  r := CallDay('StartImpFiscal', 'session');
  Check(IsTrue(r) and (string(mdx_get_global('boImpFiscalOK')) = 'true'), 'the session starts', Shown(r));
  r.Free;
  CallDay('CarregaAliquota', 'tax_rates').Free;

  r := CallDay('AbreCupom', 'coupon');
  Check(IsTrue(r) and (r.Arrays['args'].Objects[0].Strings['CUPNR'] = '000001'), 'coupon 000001 opens', Shown(r));
  r.Free;
  r := CallDay('VendaItem', 'item1');
  Check(IsTrue(r), 'item 1', Shown(r));
  r.Free;
  r := CallDay('VendaItem', 'item2');
  Check(IsTrue(r), 'item 2', Shown(r));
  r.Free;
  r := CallDay('FechaCupom', 'closing');
  Check(IsTrue(r) and (r.Arrays['args'].Arrays[2].Strings[1] = '000001'), 'the coupon closes, paid in cash', Shown(r));
  r.Free;
  r := Call('BuscaTotGer', '["001", ""]');
  Check(IsTrue(r) and (r.Arrays['args'].Strings[1] = '12,97'), 'grand total 12,97', Shown(r));
  r.Free;

  r := CallDay('Leitura_X_Imp', 'x_reading');
  Check(IsTrue(r), 'X reading', Shown(r));
  r.Free;
  CallDay('CarregaAliquota', 'tax_rates').Free;
  r := CallDay('ExportRedZ', 'z_data');
  if IsTrue(r) then
  begin
    reduction := r.Arrays['args'].Objects[5].Arrays['rows'].Objects[0];
    payment := r.Arrays['args'].Objects[6].Arrays['rows'].Objects[0];
    Check((Abs(reduction.Floats['VRGTREDZ'] - 12.97) < 0.001) and (Abs(reduction.Floats['VRVENLIQREDZ'] - 12.47) < 0.001)
          and (payment.Strings['CDTIPORECE'] = '001') and (Abs(payment.Floats['VRFORMPGTORZ'] - 12.47) < 0.001),
          'the Z data: grand total 12.97, net sales 12.47, cash 12.47', Shown(r));
  end
  else
    Check(False, 'the Z data', Shown(r));
  r.Free;
  r := CallDay('Reducao_Z_Imp', 'z_reduction');
  Check(IsTrue(r), 'Z reduction', Shown(r));
  r.Free;
end;

procedure BadInput;
var
  text: PAnsiChar;
begin
  text := mdx_call('VendaItem', '[{"ESQUEMACOR": ');
  Check((text = nil) and (mdx_last_error_code() = MDX_ERROR_JSON), 'malformed JSON is MDX_ERROR_JSON',
        mdx_last_error_message());
  text := mdx_call('VendeItem', '[]');
  Check((text = nil) and (mdx_last_error_code() = MDX_ERROR_UNKNOWN_NAME), 'an unknown operation is MDX_ERROR_UNKNOWN_NAME',
        mdx_last_error_message());
  mdx_call('VendaItem', '[{"ESQUEMACOR": "001", "CDARVPROD": "9"}]');
  Check((mdx_last_error_code() = MDX_ERROR_ARGUMENT) and
        (Pos('VendaItem: argument 1 has no ''INTTEFERRO''', string(mdx_last_error_message())) > 0),
        'a record without a field is MDX_ERROR_ARGUMENT naming it', mdx_last_error_message());
end;

var
  error: string;
begin
  Day := GetEnvironmentVariable('MDX_DAY');
  if not LoadMdx00200(GetEnvironmentVariable('MDX_PACKAGE'), error) then
  begin
    WriteLn('till_day: ', error);
    Halt(2);
  end;
  if mdx_set_host_folder(PAnsiChar(GetEnvironmentVariable('MDX_WORK'))) <> MDX_OK then
  begin
    WriteLn('till_day: ', mdx_last_error_message());
    Halt(2);
  end;
  mdx_set_delay_callback(@NoDelay, nil);
  mdx_set_dialog_callback(@AnswerNo, nil);
  RunDay;
  BadInput;
  mdx_call('FechaPorta', '[]');
  WriteLn(Checks - Failures, ' passed, ', Failures, ' failed');
  if Failures > 0 then Halt(1);
end.
