begin

end.