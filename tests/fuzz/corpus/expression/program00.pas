program Test;
const Limit = 3; Greeting = 'Привет';
var i, total: Integer; name: String; list: array[1..3] of Integer; x, y: Variant;

function Fact(n: Integer): Integer;
begin
  if n <= 1 then Result := 1 else Result := n * Fact(n - 1)
end;

procedure Swap(var a, b: Variant);
var t: Variant;
begin
  t := a; a := b; b := t
end;

function Describe(n: Integer; suffix: String = '!'): String;
begin
  case n of
    0: Result := 'zero';
    1, 2: Result := 'small';
    3..9: Result := 'digit'
  else
    Result := 'big'
  end;
  Result := Result + suffix
end;

begin
  total := 0;
  for i := 1 to Limit do total := total + i;
  Out(total);
  for i := Limit downto 1 do list[i] := i * 10;
  Out(list[1] + list[3]);
  i := 0;
  while True do begin Inc(i); if i > 4 then break; if i mod 2 = 0 then continue; Out('odd ' + IntToStr(i)) end;
  repeat Dec(i) until i = 2;
  Out(i);
  x := 'a'; y := 5;
  Swap(x, y);
  Out(x); Out(y);
  Out(Fact(5));
  Out(Describe(0) + Describe(2, '?') + Describe(5) + Describe(99));
  name := 'abc';
  name[1] := 'X';
  Out(name + Greeting);
  try
    RaiseException('boom');
    Out('not reached')
  except
    Out('handled')
  end;
  try
    Out('body'); exit
  finally
    Out('finally')
  end;
  Out('not reached either')
end.