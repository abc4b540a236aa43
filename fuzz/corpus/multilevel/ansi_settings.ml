{ ROOT
	; settings
  Volume=$7F
  Enabled=1
  {
  	=
  }
  Café = x=y
}
