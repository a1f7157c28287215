begin
  Memo1.Text := Memo1.Text + ' new';
  Memo1.Left := Memo1.Add(Memo1.Left, 5);
  Memo1['Left'] := Memo1['Left'] * 2;
  Out(Memo1 is TfrxView); Out(Memo1 is TfrxPictureView); Out(Memo1 = Memo1)
end.