function Twice(x: Integer): Integer; begin Result := x * 2 end;
procedure Answer(var Ok: Boolean); begin Ok := False end;
procedure Memo1OnBeforePrint(Sender: Variant); begin Out('before ' + Sender) end;
begin end.