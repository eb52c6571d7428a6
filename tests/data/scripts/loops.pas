var i, total: integer;
begin
  total := 0;
  for i := 1 to 10 do
    if i mod 2 = 0 then total := total + i
    else total := total - <Data."Amount">;
  case total of 1..5: exit; end
end.
