Dim total As Integer = 0
For i = 1 To 10 Step 2
  total += i ' odd ones
Next
If total > 5 Then
  total = total & "!"
End If
